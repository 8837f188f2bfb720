#include "Log.h"

#include <cstdio>

namespace bmd {

namespace {

WarningSink& Sink()
{
    static WarningSink sink;
    return sink;
}

} // namespace

void SetWarningSink(WarningSink sink)
{
    Sink() = std::move(sink);
}

void Warn(const std::string& message)
{
    if (Sink()) {
        Sink()(message);
    } else {
        std::fprintf(stderr, "brightmoose-derudirodozir: %s\n", message.c_str());
    }
}

} // namespace bmd
