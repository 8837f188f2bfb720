#pragma once

#include <QLoggingCategory>

namespace bmd {

// The game's own warnings (a score store set aside or not opened, help that
// fails to load), shown or hidden with QT_LOGGING_RULES="brightmoose.*=false".
Q_DECLARE_LOGGING_CATEGORY(lcGame)

// Sends the Qt-free core's warnings into lcGame.
void RouteCoreWarnings();

} // namespace bmd
