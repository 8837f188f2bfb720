#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <array>
#include <cstdio>

namespace bmd::ui {

namespace {

// Built from translations/*.ts and compiled into the program.
QString GameTranslation(const QString& language)
{
    return QStringLiteral(":/i18n/brightmoose-derudirodozir_%1.qm").arg(language);
}

// Texts of Qt's own that its catalogues lack in some of the game's languages
// (the command line's help lines, the file dialog's type of a folder): the
// game's catalogues carry them under Qt's contexts. They are searched after
// Qt's, so they fill only the gaps.
[[maybe_unused]] const char* const kQtGaps[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder"),
};

QString& Chosen()
{
    static QString language = QStringLiteral("en");
    return language;
}

// The locale the C library takes messages from: where it is C, it shows
// English and ignores LANGUAGE, and so does the game.
bool CLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QByteArray value = qgetenv(variable); !value.isEmpty()) {
            return value == "C" || value == "POSIX" || value.startsWith("C.");
        }
    }
    return true;
}

// The translation for a locale tag such as "pt-BR", "pt_BR.UTF-8" or "de":
// the region's own (pt_BR) first, then the language's (de), then the one
// translation of that language there is (pt for pt_BR); empty if none.
QString TranslationFor(const QString& tag)
{
    const QString name = tag.section(QRegularExpression(QStringLiteral("[.@]")), 0, 0)
                             .replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString region = name.section(QLatin1Char('_'), -1).toUpper();
    const QString regional = language + QLatin1Char('_') + region;
    if (name.contains(QLatin1Char('_')) && QFile::exists(GameTranslation(regional))) {
        return regional;
    }
    if (QFile::exists(GameTranslation(language))) {
        return language;
    }
    const QStringList others = QDir(QStringLiteral(":/i18n"))
                                   .entryList({QStringLiteral("brightmoose-derudirodozir_%1_*.qm").arg(language)},
                                              QDir::Files, QDir::Name);
    return others.isEmpty() ? QString() : others.first().section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
}

bool IsEnglish(const QString& tag)
{
    return tag.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower() == QLatin1String("en");
}

QString ChosenLanguage(const QString& wanted)
{
    if (wanted.isEmpty() && CLocale()) {
        return QStringLiteral("en");
    }
    const QStringList tags = wanted.isEmpty() ? QLocale::system().uiLanguages() : QStringList{wanted};
    for (const QString& tag : tags) {
        // English first means English, even where a later language is spoken.
        if (IsEnglish(tag)) {
            return QStringLiteral("en");
        }
        if (const QString language = TranslationFor(tag); !language.isEmpty()) {
            return language;
        }
    }
    return QStringLiteral("en");
}

} // namespace

QStringList GameLanguages()
{
    QStringList languages{QStringLiteral("en")};
    for (const QString& file :
         QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("brightmoose-derudirodozir_*.qm")})) {
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    }
    languages.removeDuplicates();
    languages.sort();
    return languages;
}

QString InterfaceLanguage()
{
    return Chosen();
}

QString InstallTranslations(const QString& wanted)
{
    // A language the game does not speak: say which it does, then follow the
    // desktop's, in whose words this is said.
    if (!wanted.isEmpty() && !IsEnglish(wanted) && TranslationFor(wanted).isEmpty()) {
        InstallTranslations();
        std::fprintf(stderr, "brightmoose-derudirodozir: %s\n",
                     qPrintable(QCoreApplication::translate("CommandLine",
                                                            "There is no language \"%1\"; the game "
                                                            "speaks %2.")
                                    .arg(wanted, GameLanguages().join(QStringLiteral(", ")))));
        return Chosen();
    }
    // The game's own texts, then Qt's: message-box buttons, file dialogs,
    // the command line's help, the help window's index. The last installed
    // is asked first, so the game's fill only the gaps in Qt's (kQtGaps).
    static std::array<QTranslator, 3> translators;
    for (QTranslator& translator : translators) {
        QCoreApplication::removeTranslator(&translator);
    }
    // English has its own file only for the plural forms of counts.
    const QString language = Chosen() = ChosenLanguage(wanted);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/');
    const std::array<QString, 3> files{GameTranslation(language),
                                       qtFolder + QStringLiteral("qtbase_%1.qm").arg(language),
                                       qtFolder + QStringLiteral("qt_help_%1.qm").arg(language)};
    for (std::size_t i = 0; i < translators.size(); ++i) {
        if (translators[i].load(files[i])) {
            QCoreApplication::installTranslator(&translators[i]);
        }
    }
    return language;
}

} // namespace bmd::ui
