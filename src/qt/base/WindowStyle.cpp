#include "WindowStyle.h"

#include "Art.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QWidget>

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

QFont GameFont(double pointSize, bool bold)
{
    InstallFontSubstitutes();
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* AddCentredLabel(QWidget* parent, const QString& text, const QRect& twips, double pointSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height()));
    label->setFont(GameFont(pointSize, bold));
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
