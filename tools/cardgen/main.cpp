// Draws every picture the game uses (cards, deck surface, toolbar, icon, logo)
// as PNG files, each at 1x and as a natively drawn @2x twin, and the program icon
// once more as SVG for the desktop's scalable icon theme.
// Usage: cardgen <outdir>   (run with QT_QPA_PLATFORM=offscreen)
#include "Common.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace cardgen {

namespace {

// Writes pictures below one folder and remembers the first failure.
class PictureWriter {
public:
    explicit PictureWriter(const QString& dir) : dir_(dir) {}

    bool Failed() const { return failed_; }

    void Png(const QString& name, int w, int h, const std::function<void(QPainter&, int)>& draw)
    {
        for (int scale : {1, 2}) {
            Save(name, scale, Draw(w, h, scale, draw));
        }
    }

    // A picture drawn at one size and stretched into boxes of others, as a
    // window stretches it, once here instead of at every start. Opaque, so
    // stored without an alpha channel: it reads faster.
    void StretchedPngs(const std::vector<std::pair<QString, QSize>>& boxes, int w, int h,
                       const std::function<void(QPainter&, int)>& draw)
    {
        for (int scale : {1, 2}) {
            const QImage image = Draw(w, h, scale, draw);
            for (const auto& [name, box] : boxes) {
                const QImage stretched = image.scaled(box * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                Save(name, scale, stretched.convertToFormat(QImage::Format_RGB32));
            }
        }
    }

    // The scalable icon is the 256-pixel drawing, whose detail suits any large size.
    void IconSvg(const QString& name)
    {
        if (failed_) {
            return;
        }
        constexpr int n = 256;
        const QString file = dir_ + QLatin1Char('/') + name;
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(n, n));
        svg.setViewBox(QRect(0, 0, n, n));
        svg.setTitle(QStringLiteral("Brightmoose Derudirodozir"));
        svg.setDescription(QStringLiteral("A face-down card behind a face-up ace of hearts"));
        QPainter painter;
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !painter.begin(&svg)) {
            Complain(file);
            return;
        }
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        DrawIcon(painter, n);
        painter.end();
    }

private:
    static QImage Draw(int w, int h, int scale, const std::function<void(QPainter&, int)>& draw)
    {
        QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        draw(painter, scale);
        painter.end();
        return image;
    }

    // name.png at scale 1, name@2x.png at scale 2.
    void Save(const QString& name, int scale, const QImage& image)
    {
        if (failed_) { // one complaint is enough; the rest would fail the same way
            return;
        }
        QString file = dir_ + QLatin1Char('/') + name;
        if (scale == 2) {
            file.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        }
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !image.save(file, "PNG")) {
            Complain(file);
        }
    }

    void Complain(const QString& file)
    {
        std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(file));
        failed_ = true;
    }

    QString dir_;
    bool failed_ = false;
};

// Stays silent on success: a build log only needs to hear about real trouble.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    std::fprintf(stderr, "cardgen: %s\n", qPrintable(message));
}

void WriteCards(PictureWriter& writer)
{
    for (int i = 0; i <= 67; ++i) {
        const QString name = QStringLiteral("cards/face%1.png").arg(i, 2, 10, QLatin1Char('0'));
        if (i < 54 || i == 57 || i == 59) {
            writer.Png(name, int(kCardW), int(kCardH), [i](QPainter& painter, int) {
                if (i < 54) {
                    DrawFace(painter, i);
                } else if (i == 57) {
                    DrawCardBlank(painter, kCardW, kCardH);
                } else {
                    DrawBack(painter, kCardW, kCardH, kGameBack);
                }
            });
        } else {
            writer.Png(name, int(kBigW), int(kBigH),
                       [i](QPainter& painter, int) { DrawBack(painter, kBigW, kBigH, BigPicture(i)); });
        }
    }
}

// Most pictures ignore the scale: the painter arrives already scaled for them.
std::function<void(QPainter&, int)> AtAnyScale(void (*draw)(QPainter&))
{
    return [draw](QPainter& painter, int) { draw(painter); };
}

void WriteEverything(PictureWriter& writer)
{
    WriteCards(writer);
    writer.Png(QStringLiteral("deck/surface.png"), 32, 39, AtAnyScale(DrawDeckSurface));
    writer.Png(QStringLiteral("toolbar/new.png"), 16, 16, AtAnyScale(DrawToolbarNew));
    writer.Png(QStringLiteral("toolbar/open.png"), 16, 16, AtAnyScale(DrawToolbarOpen));
    writer.Png(QStringLiteral("toolbar/save.png"), 16, 16, AtAnyScale(DrawToolbarSave));
    writer.Png(QStringLiteral("toolbar/highscores.png"), 16, 16, AtAnyScale(DrawToolbarScores));
    writer.Png(QStringLiteral("toolbar/help.png"), 16, 16, AtAnyScale(DrawToolbarHelp));
    // The icon draws in device pixels, so it takes the scale itself.
    for (int n : {16, 32, 48, 64, 128, 256}) {
        writer.Png(QStringLiteral("icon/icon%1.png").arg(n), n, n, [n](QPainter& painter, int scale) {
            painter.resetTransform();
            DrawIcon(painter, n * scale);
        });
    }
    writer.IconSvg(QStringLiteral("icon/icon.svg"));
    // The 286 x 333 logo, in the boxes of the splash and the About window.
    writer.StretchedPngs(
        {{QStringLiteral("logo/splash.png"), QSize(209, 241)}, {QStringLiteral("logo/about.png"), QSize(204, 237)}},
        286, 333, AtAnyScale(DrawLogo));
}

} // namespace

} // namespace cardgen

int main(int argc, char** argv)
{
    qInstallMessageHandler(cardgen::QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { // drawing needs no screen
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cardgen <output directory>\n");
        return 2;
    }
    // Corner indices are tuned to this face; a stand-in would misalign them.
    if (QFontInfo(cardgen::RankFont(11)).family() != QLatin1String("DejaVu Sans")) {
        std::fprintf(stderr, "cardgen: font \"DejaVu Sans\" not found (install fonts-dejavu-core)\n");
        return 1;
    }
    cardgen::PictureWriter writer(QString::fromLocal8Bit(argv[1]));
    cardgen::WriteEverything(writer);
    return writer.Failed() ? 1 : 0;
}
