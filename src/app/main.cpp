#include "BuildInfo.h"
#include "common/GameStyle.h"
#include "common/Logging.h"
#include "common/Translations.h"
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
#include <cstring>
#include <ctime>
#include <filesystem>

#include <unistd.h>

namespace {

void NameTheApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brightmoose Software"));
    QCoreApplication::setApplicationName(QStringLiteral("Brightmoose Derudirodozir"));
    QCoreApplication::setApplicationVersion(QLatin1String(bmd::kVersionText));
}

struct CommandLine {
    std::filesystem::path fileToOpen; // as the system's own bytes; "" for none
    QString language;                 // --lang; "" for the system's
};

// --lang as given, read before the parser so that the parser's own texts
// (--help) are in that language too.
QString LanguageOption(int argc, char* argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
        if (std::strncmp(argv[i], "--lang=", 7) == 0) {
            return QString::fromLocal8Bit(argv[i] + 7);
        }
    }
    return {};
}

// --help, --version and a wrong option are answered here and end the
// program: none of them needs a display.
CommandLine ParseCommandLine(int argc, char* argv[])
{
    const bool options = std::any_of(argv + 1, argv + argc, [](const char* argument) { return argument[0] == '-'; });
    if (!options) {
        // The usual start: no option, at most a file; no parser needed.
        return {argc > 1 ? argv[1] : std::filesystem::path(), {}};
    }
    QCoreApplication parsing(argc, argv);
    NameTheApplication();
    bmd::ui::InstallTranslations(LanguageOption(argc, argv));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A memory card game: find the 27 pairs among 54 cards in as few tries as you can."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QCoreApplication::translate("CommandLine",
                                    "Show the game in this language: de, en, es or fr. "
                                    "Without it, the game follows the system's language."),
        QCoreApplication::translate("CommandLine", "language"));
    parser.addOption(language);
    parser.addPositionalArgument(QCoreApplication::translate("CommandLine", "file"),
                                 QCoreApplication::translate("CommandLine", "A saved game (.bcx) to open."),
                                 QCoreApplication::translate("CommandLine", "[file]"));
    parser.process(parsing);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        return {{}, parser.value(language)};
    }
    // The argument's bytes rather than its decoded text, so that a name that
    // is not valid UTF-8 (made by an older system) still opens.
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == files.constFirst()) {
            return {argv[i], parser.value(language)};
        }
    }
    return {QFile::encodeName(files.constFirst()).toStdString(), parser.value(language)};
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
    // The program started before main: loading its libraries took about as
    // long as the processor time it has used so far.
    timespec beforeMain{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &beforeMain);
    QElapsedTimer running;
    running.start();
    const CommandLine commandLine = ParseCommandLine(argc, argv);
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
    bmd::ui::InstallTranslations(commandLine.language);
    // Lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("brightmoose-derudirodozir"));

    QApplication::setStyle(new bmd::ui::GameStyle);
    bmd::RouteCoreWarnings();
    bmd::ui::InstallFontSubstitutes();
    bmd::ui::GameSession session(std::nullopt, commandLine.fileToOpen);
    const auto started = std::chrono::seconds(beforeMain.tv_sec) + std::chrono::nanoseconds(beforeMain.tv_nsec)
                         + std::chrono::milliseconds(running.elapsed());
    session.Start(QDate::currentDate().year(), std::chrono::duration_cast<std::chrono::milliseconds>(started));
    return QApplication::exec();
}
