#include "util/Log.h"

#include <iostream>

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
        std::cerr << "brightmoose-derudirodozir: " << message << '\n';
    }
}

} // namespace bmd
