#pragma once

// What the drawing files share: colours, card sizes, suit shapes, and the
// pictures one file draws for another.
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class QPainter;

namespace cardgen {

enum Suit { Spades, Diamonds, Clubs, Hearts };

inline const QColor kRed(0xC0, 0x00, 0x00);
inline const QColor kBlack(0x14, 0x14, 0x14);
inline const QColor kInk(0x20, 0x20, 0x20);
inline const QColor kGold(0xE8, 0xB4, 0x10);
inline const QColor kGoldDark(0x8C, 0x64, 0x00);
inline const QColor kSkin(0xF8, 0xD6, 0xAC);
inline const QColor kTable(0, 128, 0);

inline constexpr double kCardW = 61, kCardH = 89;
inline constexpr double kBigW = 71, kBigH = 96;

inline bool IsRed(int suit)
{
    return suit == Diamonds || suit == Hearts;
}

inline QColor SuitColor(int suit)
{
    return IsRed(suit) ? kRed : kBlack;
}

// Suit symbols and lettering (Suits.cpp).
QFont RankFont(double pixels, bool bold = true);
QPainterPath SuitPath(int suit);
void DrawPip(QPainter& painter, int suit, QPointF centre, double height, bool upsideDown = false);
void DrawCentredText(QPainter& painter, const QString& text, double cx, double baseline);

// Card faces (CardFaces.cpp) and their court figures (CourtFigures.cpp).
void DrawCardBlank(QPainter& painter, double w, double h);
void DrawFace(QPainter& painter, int index);
void DrawCourt(QPainter& painter, int suit, int rank);

// Card backs and the large pictures drawn the same way (Backs.cpp).
enum class Pattern { Lattice, Checks, Stripes, Dots, Waves, Frames };

struct BackStyle {
    QColor ground, line;
    Pattern pattern;
    bool emblem;
};

inline const BackStyle kGameBack{QColor(0x16, 0x32, 0x8C), QColor(0x60, 0x88, 0xE0), Pattern::Lattice, false};

BackStyle BigPicture(int index);
void DrawBack(QPainter& painter, double w, double h, const BackStyle& style);

// Deck surface, toolbar, program icon, logo and the moose emblem (Icons.cpp).
void DrawMoose(QPainter& painter, const QColor& fur, const QColor& antler, const QColor& line);
void DrawDeckSurface(QPainter& painter);
void DrawToolbarNew(QPainter& painter);
void DrawToolbarOpen(QPainter& painter);
void DrawToolbarSave(QPainter& painter);
void DrawToolbarScores(QPainter& painter);
void DrawToolbarHelp(QPainter& painter);
void DrawIcon(QPainter& painter, int n);
void DrawLogo(QPainter& painter);

} // namespace cardgen
