#include "BuildInfo.h"
#include "common/GameStyle.h"
#include "common/Logging.h"
#include "common/WindowStyle.h"
#include "ui/GameSession.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <unistd.h>

namespace {

void NameTheApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brightmoose Software"));
    QCoreApplication::setApplicationName(QStringLiteral("Brightmoose Derudirodozir"));
    QCoreApplication::setApplicationVersion(QLatin1String(bmd::kVersionText));
}

// The saved game the command line names, as the system's own bytes ("" for
// none). --help, --version and a wrong option are answered here and end the
// program: none of them needs a display.
std::filesystem::path ParseCommandLine(int argc, char* argv[])
{
    const bool options = std::any_of(argv + 1, argv + argc, [](const char* argument) { return argument[0] == '-'; });
    if (!options) {
        // The usual start: no option, at most a file; no parser needed.
        return argc > 1 ? argv[1] : std::filesystem::path();
    }
    QCoreApplication parsing(argc, argv);
    NameTheApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A memory card game: find the 27 pairs among 54 cards in as few tries as you can."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A saved game (.bcx) to open."),
                                 QStringLiteral("[file]"));
    parser.process(parsing);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        return {};
    }
    // The argument's bytes rather than its decoded text, so that a name that
    // is not valid UTF-8 (made by an older system) still opens.
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == files.constFirst()) {
            return argv[i];
        }
    }
    return QFile::encodeName(files.constFirst()).toStdString();
}

QStringList& StartupMessages()
{
    static QStringList messages;
    return messages;
}

// While the window system is reached: Qt would end the program with a core
// dump where there is none; say so in one line instead. Other messages wait
// until it is known whether the game can start.
void WhileReachingTheDisplay(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "brightmoose-derudirodozir: no display to show the game on (%s)\n",
                     qPrintable(StartupMessages().value(0, message.section(QLatin1Char('\n'), 0, 0))));
        std::fflush(stderr);
        ::_exit(1);
    }
    StartupMessages() << message;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer running;
    running.start();
    const std::filesystem::path fileToOpen = ParseCommandLine(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "brightmoose-derudirodozir: no display to show the game on (DISPLAY is not set)\n");
        return 1;
    }
    qInstallMessageHandler(WhileReachingTheDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString& message : StartupMessages()) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    NameTheApplication();
    // Lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("brightmoose-derudirodozir"));

    QApplication::setStyle(new bmd::ui::GameStyle);
    bmd::RouteCoreWarnings();
    bmd::ui::InstallFontSubstitutes();
    bmd::ui::GameSession session(bmd::ui::GameSession::DefaultStoreFile(), fileToOpen);
    session.Start(QDate::currentDate().year(), std::chrono::milliseconds(running.elapsed()));
    return QApplication::exec();
}
