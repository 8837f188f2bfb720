#include "HelpFiles.h"

#include "BuildInfo.h"

#include <QDir>

namespace bmd::shell {

namespace {

// The help file in the help folder beside the executable: the folder text and
// "/Help/<file name>" joined as they are, so a root folder "/" gives "//Help/...".
QString HelpFilePath(const QString& executableFolder)
{
    return executableFolder + QLatin1Char('/') + QLatin1String(kHelpFolderName) + QLatin1Char('/')
           + QLatin1String(kHelpFileName);
}

} // namespace

QStringList HelpFileCandidates(const QString& executableFolder)
{
    const QString installed = executableFolder + QLatin1Char('/') + QLatin1String(kInstalledHelpFolder)
                              + QLatin1Char('/') + QLatin1String(kHelpFileName);
    return {HelpFilePath(executableFolder), QDir::cleanPath(installed)};
}

} // namespace bmd::shell
