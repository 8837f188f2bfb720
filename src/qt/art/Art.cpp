#include "Art.h"

#include <QGuiApplication>
#include <QImageReader>

namespace bmd::art {

QPixmap ReadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap LoadArt(const QString& name, qreal devicePixelRatio)
{
    QPixmap picture;
    if (devicePixelRatio > 1.0) {
        picture = ReadPng(QStringLiteral(":/art2x/") + name);
        picture.setDevicePixelRatio(2.0);
    }
    if (picture.isNull()) {
        picture = ReadPng(QStringLiteral(":/art/") + name);
    }
    if (picture.isNull() || qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatio)) {
        return picture;
    }
    const QSizeF size = picture.deviceIndependentSize() * devicePixelRatio;
    QPixmap scaled = picture.scaled(qRound(size.width()), qRound(size.height()), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

QPixmap LoadArt(const QString& name)
{
    return LoadArt(name, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
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
