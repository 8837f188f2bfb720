#include "HelpFiles.h"

#include "BuildInfo.h"

#include <QDir>

namespace bmd::shell {

namespace {

// The help file in the help folder beside the executable, then the installed
// one; `subfolder` is "" or a language's "ru/". The folder text and
// "/Help/<file name>" are joined as they are, so a root folder "/" gives "//Help/...".
QStringList HelpFilesIn(const QString& executableFolder, const QString& subfolder)
{
    const QString file = subfolder + QLatin1String(kHelpFileName);
    const QString installed = executableFolder + QLatin1Char('/') + QLatin1String(kInstalledHelpFolder)
                              + QLatin1Char('/');
    return {executableFolder + QLatin1Char('/') + QLatin1String(kHelpFolderName) + QLatin1Char('/') + file,
            QDir::cleanPath(installed + file)};
}

} // namespace

QStringList HelpFileCandidates(const QString& executableFolder, const QString& language)
{
    QStringList candidates;
    if (!language.isEmpty() && language != QLatin1String("en")) {
        candidates = HelpFilesIn(executableFolder, language + QLatin1Char('/'));
    }
    return candidates + HelpFilesIn(executableFolder, {});
}

} // namespace bmd::shell
