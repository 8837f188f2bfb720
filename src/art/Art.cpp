#include "art/Art.h"

#include <QGuiApplication>

namespace bmd::art {

QPixmap LoadArt(const QString& name)
{
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() >= 1.5) {
        QString twin = name;
        twin.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QPixmap sharp(QStringLiteral(":/art/") + twin);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/art/") + name);
}

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        for (int size : {16, 32, 48, 64, 128, 256}) {
            result.addFile(QStringLiteral(":/art/icon/icon%1.png").arg(size), QSize(size, size));
        }
        return result;
    }();
    return icon;
}

} // namespace bmd::art
