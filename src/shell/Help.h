#pragma once

#include <QString>

namespace bmd::shell {

class HelpWindow;

// The help file lies in a "Help" folder beside the executable. The tail is
// appended to the folder text as it is: a root folder "/" gives "//Help/...".
inline const QString kHelpFileTail = QStringLiteral("/Help/Brightmoose Derudirodozir Help.qch");

// Where an installed program finds it instead: <prefix>/bin/../share/...
inline const QString kInstalledHelpFolder =
    QStringLiteral("/../share/brightmoose-derudirodozir/Help");

inline const QString kWelcomeTopic = QStringLiteral("Welcome.htm");
inline const QString kHighScoresTopic = QStringLiteral("High_Scores.htm");

// The maker's web site, the same for every window that links to it.
inline const QString kMakerWebAddress = QStringLiteral("http://www.brightmoose.example/");

// The folder text followed directly by kHelpFileTail.
QString HelpFilePath(const QString& executableFolder);

// The same file name in the installed program's data folder.
QString InstalledHelpFilePath(const QString& executableFolder);

// The file beside the executable if it exists, else the installed one if that
// exists, else an empty text.
QString FindHelpFile(const QString& executableFolder);

// The three requests the game makes of its help viewer.
enum class HelpCommand {
    DisplayTopic, // show the given topic
    DisplayToc,   // show the given topic with the table of contents
    DisplayIndex, // show the index, no keyword filled in
};

// Shows the help window (created on the first call, reused afterwards) and
// hands it the command. Never fails: without a help file the window says so.
void HtmlHelp(HelpCommand command, const QString& topic = {});

// The help window once help was asked for; nullptr before.
HelpWindow* TheHelpWindow();

// Closes and destroys the help window, so that the next request starts afresh.
void DestroyHelpWindow();

// Tests point the help at another executable folder (empty restores the real one).
void SetExecutableFolderForTesting(const QString& folder);

// Opens the address in the default browser, unchanged. A failure is silent.
void HyperJump(const QString& address);

} // namespace bmd::shell
