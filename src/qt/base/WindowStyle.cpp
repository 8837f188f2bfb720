#include "WindowStyle.h"

#include "Art.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPalette>
#include <QRawFont>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace bmd::ui {

void InstallFontSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        return true;
    }();
    (void)installed;
}

QString LogoName()
{
    return QCoreApplication::translate("WindowStyle", "Brightmoose logo: a moose holding a hand of cards");
}

namespace {

QFontDatabase::WritingSystem WritingSystemOf(const QString& language)
{
    switch (QLocale(language).script()) {
    case QLocale::CyrillicScript:
        return QFontDatabase::Cyrillic;
    case QLocale::SimplifiedHanScript:
        return QFontDatabase::SimplifiedChinese;
    case QLocale::TraditionalHanScript:
        return QFontDatabase::TraditionalChinese;
    case QLocale::GreekScript:
        return QFontDatabase::Greek;
    default:
        return QFontDatabase::Latin;
    }
}

// The game's face, or, where it lacks the letters of the interface's
// language (Cyrillic, Chinese), one face that has them for the whole text,
// so that no word mixes two faces: the desktop's sans-serif if it has them,
// else the first proportional face the system has for that script.
QString GameFamily()
{
    static QHash<QString, QString> families;
    const QString language = InterfaceLanguage();
    if (const auto known = families.constFind(language); known != families.cend()) {
        return *known;
    }
    const QFontDatabase::WritingSystem script = WritingSystemOf(language);
    const auto has = [script](const QString& family) {
        return QFontDatabase::writingSystems(QFontInfo(QFont(family)).family()).contains(script);
    };
    QString family = QStringLiteral("Comic Sans MS");
    if (!has(family)) {
        family = QFontInfo(QFont(QStringLiteral("sans-serif"))).family();
        const QStringList offered = QFontDatabase::families(script);
        const auto proportional = std::find_if(offered.cbegin(), offered.cend(), [](const QString& candidate) {
            return !QFontDatabase::isFixedPitch(candidate);
        });
        if (!has(family) && proportional != offered.cend()) {
            family = *proportional;
        }
    }
    return families[language] = family;
}

} // namespace

QFont GameFont(double pointSize, bool bold, const QString& text)
{
    InstallFontSubstitutes();
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    const QRawFont own = QRawFont::fromFont(font);
    if (text.isEmpty()
        || !std::all_of(text.cbegin(), text.cend(), [&own](QChar c) { return own.supportsCharacter(c); })) {
        font.setFamily(GameFamily());
    }
    return font;
}

QLabel* AddCentredLabel(QWidget* parent, const QString& text, const QRect& twips, double pointSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height()));
    label->setFont(GameFont(pointSize, bold, text));
    label->setAlignment(Qt::AlignCenter);
    UseFixedText(label);
    return label;
}

void ApplyWindowLook(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kTableGreen);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(GameFont());
}

void ApplyWindowStyle(QWidget* window)
{
    ApplyWindowLook(window);
    window->setWindowIcon(art::ProgramIcon());
}

void UseFixedText(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, kFixedText);
    widget->setPalette(palette);
}

void ApplyMenuBarLook(QMenuBar* menuBar)
{
    QPalette palette = menuBar->palette();
    palette.setColor(QPalette::WindowText, kFixedText);
    palette.setColor(QPalette::ButtonText, kFixedText);
    menuBar->setPalette(palette);
}

void CentreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
}

} // namespace bmd::ui
