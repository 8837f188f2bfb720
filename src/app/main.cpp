#include "BuildInfo.h"
#include "common/Logging.h"
#include "common/WindowStyle.h"
#include "ui/GameSession.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brightmoose Software"));
    QApplication::setApplicationName(QStringLiteral("Brightmoose Derudirodozir"));
    QApplication::setApplicationVersion(QLatin1String(bmd::kVersionText));
    // Lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("brightmoose-derudirodozir"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A memory card game: find the 27 pairs among 54 cards in as few tries as you can."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A saved game (.bcx) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);

    bmd::RouteCoreWarnings();
    bmd::ui::InstallFontSubstitutes();
    const QStringList files = parser.positionalArguments();
    bmd::ui::GameSession session(bmd::ui::GameSession::DefaultStoreFile(),
                                 files.isEmpty() ? QString() : files.constFirst());
    session.Start(QDate::currentDate().year());
    return QApplication::exec();
}
