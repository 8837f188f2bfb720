#pragma once

#include <QString>
#include <QStringList>

namespace bmd::shell {

inline const QString kWelcomeTopic = QStringLiteral("Welcome.htm");
inline const QString kHighScoresTopic = QStringLiteral("High_Scores.htm");

// Where the help may lie, in the order to try: beside the executable, then in
// the installed program's data folder.
QStringList HelpFileCandidates(const QString& executableFolder);

} // namespace bmd::shell
