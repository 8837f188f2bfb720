#pragma once

#include <QColor>
#include <QString>

class QFont;
class QLabel;
class QMenuBar;
class QRect;
class QWidget;

namespace bmd::ui {

// What every window of the game shares: the title, the green table colour,
// the "Comic Sans MS" family and the one program icon.
inline const QString kApplicationTitle = QStringLiteral("Brightmoose Derudirodozir");
inline const QColor kTableGreen{0, 128, 0};
// The text on every colour the window designs fix is black, whatever the
// desktop's palette: a dark theme's white text is barely readable on the
// light greens. What the designs leave to the system (menus, dialogs,
// buttons, the help's pages) follows the desktop's palette.
inline const QColor kFixedText{0, 0, 0};

// What a screen reader says of the logo on the splash and About windows.
QString LogoName();

// Twips are the design unit of the window layouts: 15 to a pixel at 96 dpi.
constexpr int Px(int twips)
{
    return (twips + 7) / 15;
}

// "Comic Sans MS" at the given point size; Comic Neue stands in where the
// family is missing (see InstallFontSubstitutes). Where it lacks the letters
// of the interface's language, the system's face for that script, unless
// `text` is given and the game's face has all its letters (a name, a number).
QFont GameFont(double pointSize = 8.25, bool bold = false, const QString& text = {});

// Maps "Comic Sans MS" onto Comic Neue once per process.
void InstallFontSubstitutes();

// A label of the window designs: placed in twips, centred black text in the
// game font on a transparent ground.
QLabel* AddCentredLabel(QWidget* parent, const QString& text, const QRect& twips, double pointSize, bool bold);

// Green background and game font for a top-level window...
void ApplyWindowLook(QWidget* window);
// ...and the program icon, for one with a title bar.
void ApplyWindowStyle(QWidget* window);

// Black text for a widget on one of the fixed greens and for what it holds.
// Set where the ground is fixed, never on a whole window: a window's tabs,
// lists and buttons lie on the desktop's colours and keep its text colour.
void UseFixedText(QWidget* widget);

// A menu bar on the green window: black captions (its menus are the system's).
void ApplyMenuBarLook(QMenuBar* menuBar);

// Places a top-level window of its final size in the middle of its screen.
void CentreOnScreen(QWidget* window);

} // namespace bmd::ui
