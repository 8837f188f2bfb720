#pragma once

#include <QString>
#include <QStringList>

namespace bmd::shell {

inline const QString kWelcomeTopic = QStringLiteral("Welcome.htm");
inline const QString kHighScoresTopic = QStringLiteral("High_Scores.htm");

// The help file in the help folder beside the executable: the folder text and
// "/Help/<file name>" joined as they are, so a root folder "/" gives "//Help/...".
QString HelpFilePath(const QString& executableFolder);

// Where the help may lie, in the order to try: beside the executable, then in
// the installed program's data folder.
QStringList HelpFileCandidates(const QString& executableFolder);

} // namespace bmd::shell
