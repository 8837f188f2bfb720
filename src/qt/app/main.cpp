#include "BuildInfo.h"
#include "GameSession.h"
#include "GameStyle.h"
#include "HyperJump.h"
#include "Logging.h"
#include "Translations.h"
#include "WindowStyle.h"

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

// --help and --version, which are answered without a display.
bool AsksForHelpOrVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

// The saved game to open, as the system's own bytes; "" for none. Answers
// --help and --version and a wrong option itself, and ends the program.
// Given the QApplication, the parser sees the arguments without Qt's own
// options (-style, -platform, ...), which that has taken.
std::filesystem::path ParseCommandLine(const QCoreApplication& app, int argc, char* argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A memory card game: find the 27 pairs among 54 cards in as few tries as you can."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("lang"),
                      QCoreApplication::translate("CommandLine",
                                                  "Show the game in this language: %1. "
                                                  "Without it, the game follows the system's language.")
                          .arg(bmd::ui::GameLanguages().join(QStringLiteral(", "))),
                      QCoreApplication::translate("CommandLine", "language")});
    parser.addPositionalArgument(QCoreApplication::translate("CommandLine", "file"),
                                 QCoreApplication::translate("CommandLine", "A saved game (.bcx) to open."),
                                 QCoreApplication::translate("CommandLine", "[file]"));
    parser.process(app);
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
    // The program started before main: loading its libraries took about as
    // long as the processor time it has used so far.
    timespec beforeMain{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &beforeMain);
    QElapsedTimer running;
    running.start();
    const QString language = LanguageOption(argc, argv);
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication answering(argc, argv);
        NameTheApplication();
        bmd::ui::InstallTranslations(language);
        ParseCommandLine(answering, argc, argv); // prints the answer and ends the program
    }
    const bool platformGiven = std::any_of(
        argv + 1, argv + argc, [](const char* argument) { return std::strcmp(argument, "-platform") == 0; });
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !platformGiven) {
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
    bmd::ui::InstallTranslations(language);
    // The usual start, no option and at most a file, needs no parser.
    const bool options = std::any_of(argv + 1, argv + argc, [](const char* argument) { return argument[0] == '-'; });
    const std::filesystem::path fileToOpen = options    ? ParseCommandLine(app, argc, argv)
                                             : argc > 1 ? std::filesystem::path(argv[1])
                                                        : std::filesystem::path();
    // Lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("brightmoose-derudirodozir"));

    QApplication::setStyle(new bmd::ui::GameStyle);
    bmd::RouteCoreWarnings();
    bmd::ui::InstallFontSubstitutes();
    bmd::shell::InstallWebOpener();
    bmd::ui::GameSession session(std::nullopt, fileToOpen);
    const auto started = std::chrono::seconds(beforeMain.tv_sec) + std::chrono::nanoseconds(beforeMain.tv_nsec)
                         + std::chrono::milliseconds(running.elapsed());
    session.Start(QDate::currentDate().year(), std::chrono::duration_cast<std::chrono::milliseconds>(started));
    return QApplication::exec();
}
