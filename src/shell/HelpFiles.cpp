#include "shell/HelpFiles.h"

#include "BuildInfo.h"

#include <QDir>

namespace bmd::shell {

QString HelpFilePath(const QString& executableFolder)
{
    return executableFolder + QLatin1Char('/') + QLatin1String(kHelpFolderName) + QLatin1Char('/')
           + QLatin1String(kHelpFileName);
}

QStringList HelpFileCandidates(const QString& executableFolder)
{
    const QString installed = executableFolder + QLatin1Char('/') + QLatin1String(kInstalledHelpFolder)
                              + QLatin1Char('/') + QLatin1String(kHelpFileName);
    return {HelpFilePath(executableFolder), QDir::cleanPath(installed)};
}

} // namespace bmd::shell
