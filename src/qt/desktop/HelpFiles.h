#pragma once

#include <QString>
#include <QStringList>

namespace bmd::shell {

inline const QString kWelcomeTopic = QStringLiteral("Welcome.htm");
inline const QString kHighScoresTopic = QStringLiteral("High_Scores.htm");

// Where the help may lie, in the order to try: beside the executable, then in
// the installed program's data folder; for a `language` other than English
// ("ru", "pt_BR"), its own help first, in a subfolder named after it, and the
// English help after it.
QStringList HelpFileCandidates(const QString& executableFolder, const QString& language = {});

} // namespace bmd::shell
