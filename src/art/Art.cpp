#include "art/Art.h"

#include <QGuiApplication>
#include <QImageReader>

namespace bmd::art {

QPixmap ReadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap LoadArt(const QString& name)
{
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() >= 1.5) {
        QPixmap sharp = ReadPng(QStringLiteral(":/art2x/") + name);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return ReadPng(QStringLiteral(":/art/") + name);
}

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        // The sizes window managers put in title bars and task lists; the
        // desktop's menu takes the larger ones from the installed icon theme.
        for (int size : {16, 32, 48, 64}) {
            result.addPixmap(ReadPng(QStringLiteral(":/art/icon/icon%1.png").arg(size)));
        }
        return result;
    }();
    return icon;
}

} // namespace bmd::art
