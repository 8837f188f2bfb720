#include "Logging.h"

#include "Log.h"

namespace bmd {

Q_LOGGING_CATEGORY(lcGame, "brightmoose.derudirodozir")

void RouteCoreWarnings()
{
    SetWarningSink([](const std::string& message) { qCWarning(lcGame, "%s", message.c_str()); });
}

} // namespace bmd
