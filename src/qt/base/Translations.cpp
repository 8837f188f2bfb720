#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <array>

namespace bmd::ui {

namespace {

// Built from translations/*.ts and compiled into the program.
QString GameTranslation(const QString& language)
{
    return QStringLiteral(":/i18n/brightmoose-derudirodozir_%1.qm").arg(language);
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

QString ChosenLanguage(const QString& wanted)
{
    if (wanted.isEmpty() && CLocale()) {
        return QStringLiteral("en");
    }
    const QStringList tags = wanted.isEmpty() ? QLocale::system().uiLanguages() : QStringList{wanted};
    for (const QString& tag : tags) {
        // English first means English, even where a later language is spoken.
        if (tag.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower() == QLatin1String("en")) {
            return QStringLiteral("en");
        }
        if (const QString language = TranslationFor(tag); !language.isEmpty()) {
            return language;
        }
    }
    return QStringLiteral("en");
}

} // namespace

QString InstallTranslations(const QString& wanted)
{
    // The game's own texts, then Qt's: message-box buttons, file dialogs,
    // the command line's help, the help window's index.
    static std::array<QTranslator, 3> translators;
    for (QTranslator& translator : translators) {
        QCoreApplication::removeTranslator(&translator);
    }
    const QString language = ChosenLanguage(wanted);
    if (language == QLatin1String("en")) {
        return language;
    }
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
