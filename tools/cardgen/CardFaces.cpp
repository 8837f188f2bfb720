// Card faces: the blank card, corner indices, pip layouts and the two jokers.
#include "Common.h"

#include <QPainter>
#include <QTransform>

#include <array>
#include <functional>
#include <vector>

namespace cardgen {

namespace {

// Paints the top-left index, then again turned half round for the bottom-right.
void BothCorners(QPainter& painter, const std::function<void()>& corner)
{
    corner();
    painter.save();
    painter.translate(kCardW, kCardH);
    painter.rotate(180);
    corner();
    painter.restore();
}

const std::array<const char*, 13> kRankNames = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

void DrawIndex(QPainter& painter, int suit, int rank)
{
    BothCorners(painter, [&] {
        QFont font = RankFont(11);
        if (rank == 9) { // "10" must fit the same narrow column as the single letters
            font.setLetterSpacing(QFont::AbsoluteSpacing, -1.5);
        }
        painter.setFont(font);
        painter.setPen(SuitColor(suit));
        DrawCentredText(painter, QString::fromLatin1(kRankNames[size_t(rank)]), rank == 9 ? 7.75 : 7, 12);
        DrawPip(painter, suit, QPointF(7, 18.5), 7);
    });
}

// Traditional pip arrangements: column (-1 left, 0 middle, 1 right) and row (0 top .. 1 bottom).
struct PipSpot {
    int col;
    double row;
};

const std::array<std::vector<PipSpot>, 9> kPipLayouts = {{
    {{0, 0}, {0, 1}},                                                                                  // 2
    {{0, 0}, {0, .5}, {0, 1}},                                                                         // 3
    {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}},                                                                // 4
    {{-1, 0}, {1, 0}, {0, .5}, {-1, 1}, {1, 1}},                                                       // 5
    {{-1, 0}, {1, 0}, {-1, .5}, {1, .5}, {-1, 1}, {1, 1}},                                             // 6
    {{-1, 0}, {1, 0}, {0, .25}, {-1, .5}, {1, .5}, {-1, 1}, {1, 1}},                                   // 7
    {{-1, 0}, {1, 0}, {0, .25}, {-1, .5}, {1, .5}, {0, .75}, {-1, 1}, {1, 1}},                         // 8
    {{-1, 0}, {1, 0}, {-1, 1 / 3.}, {1, 1 / 3.}, {0, .5}, {-1, 2 / 3.}, {1, 2 / 3.}, {-1, 1}, {1, 1}}, // 9
    {{-1, 0},
     {1, 0},
     {0, 1 / 6.},
     {-1, 1 / 3.},
     {1, 1 / 3.},
     {-1, 2 / 3.},
     {1, 2 / 3.},
     {0, 5 / 6.},
     {-1, 1},
     {1, 1}}, // 10
}};

void DrawPips(QPainter& painter, int suit, int rank)
{
    if (rank == 0) {
        const double size = suit == Spades ? 30 : 26;
        DrawPip(painter, suit, QPointF(30.5, 44.5), size);
        if (suit == Spades) { // the ace of spades traditionally carries a flourish
            QPainterPath inner = QTransform::fromTranslate(30.5, 43).scale(12, 12).map(SuitPath(Spades));
            painter.strokePath(inner, QPen(Qt::white, 1));
        }
        return;
    }
    for (const PipSpot& spot : kPipLayouts[size_t(rank - 1)]) {
        const QPointF centre(30.5 + spot.col * 11.5, 16 + spot.row * 57);
        DrawPip(painter, suit, centre, 10, spot.row > 0.5);
    }
}

// ---- Jokers: a jester's head in the card's colour, with its name down the corners. ----

struct JesterColours {
    QColor main, second, bell;
    QPen edge;
};

JesterColours ColoursOfJoker(bool red)
{
    return {red ? kRed : kBlack, red ? kGold : QColor(0xE8, 0xE8, 0xE8),
            red ? QColor(0xFF, 0xD8, 0x30) : QColor(0xC0, 0xC0, 0xC0), QPen(red ? kGoldDark.darker(130) : kBlack, 0.6)};
}

void DrawJokerCorners(QPainter& painter, const QColor& colour)
{
    BothCorners(painter, [&] {
        painter.setFont(RankFont(8));
        painter.setPen(colour);
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i) {
            DrawCentredText(painter, word.mid(i, 1), 7, 10 + i * 8);
        }
    });
}

// Ruff collar of alternating points.
void DrawRuff(QPainter& painter, const JesterColours& colours)
{
    for (int i = 0; i < 8; ++i) {
        QPainterPath point;
        const double x = -14 + i * 3.5;
        point.moveTo(x, 58);
        point.lineTo(x + 3.5, 58);
        point.lineTo(x + 1.75, 70 - (i % 2) * 3);
        point.closeSubpath();
        painter.fillPath(point, i % 2 ? colours.second : colours.main);
        painter.strokePath(point, colours.edge);
    }
}

void DrawJesterFace(QPainter& painter)
{
    painter.setPen(QPen(kInk, 0.6));
    painter.setBrush(kSkin);
    painter.drawEllipse(QRectF(-8, 41, 16, 18));
    painter.setBrush(kInk);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(-3, 48), 1, 1);
    painter.drawEllipse(QPointF(3, 48), 1, 1);
    painter.setBrush(kRed);
    painter.drawEllipse(QPointF(0, 51.5), 1.3, 1.3);
    QPainterPath smile;
    smile.moveTo(-4, 53.5);
    smile.quadTo(0, 57.5, 4, 53.5);
    painter.strokePath(smile, QPen(kInk, 0.8));
}

// Three-pointed jester's hat with a bell on each point.
void DrawJesterHat(QPainter& painter, const JesterColours& colours)
{
    const QPointF tips[3] = {{-14, 24}, {0, 12}, {14, 24}};
    const QPointF roots[3][2] = {{{-9, 44}, {-4, 34}}, {{-4, 34}, {4, 34}}, {{4, 34}, {9, 44}}};
    for (int i = 0; i < 3; ++i) {
        QPainterPath horn;
        horn.moveTo(roots[i][0]);
        horn.quadTo((roots[i][0] + tips[i]) / 2 + QPointF(i == 2 ? 2 : -2, -2), tips[i]);
        horn.quadTo((roots[i][1] + tips[i]) / 2 + QPointF(i == 0 ? 3 : i == 2 ? -3 : 2, 1), roots[i][1]);
        horn.closeSubpath();
        painter.fillPath(horn, i == 1 ? colours.second : colours.main);
        painter.strokePath(horn, colours.edge);
    }
    QPainterPath band;
    band.addRoundedRect(QRectF(-9.5, 40, 19, 4), 1.5, 1.5);
    painter.fillPath(band, colours.second);
    painter.strokePath(band, colours.edge);
    painter.setPen(QPen(kGoldDark, 0.6));
    painter.setBrush(colours.bell);
    for (const QPointF& tip : tips) {
        painter.drawEllipse(tip, 2.3, 2.3);
    }
}

void DrawJoker(QPainter& painter, bool red)
{
    const JesterColours colours = ColoursOfJoker(red);
    DrawJokerCorners(painter, colours.main);

    painter.save();
    // The jester is drawn around y = 41 and enlarged onto the card's centre.
    painter.translate(30.5, 47);
    painter.scale(1.1, 1.1);
    painter.translate(0, -41);
    DrawRuff(painter, colours);
    DrawJesterFace(painter);
    DrawJesterHat(painter, colours);
    painter.restore();
}

} // namespace

void DrawCardBlank(QPainter& painter, double w, double h)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    painter.fillPath(outline, Qt::white);
    painter.strokePath(outline, QPen(kInk, 1));
}

void DrawFace(QPainter& painter, int index)
{
    DrawCardBlank(painter, kCardW, kCardH);
    if (index >= 52) {
        DrawJoker(painter, index == 52);
        return;
    }
    const int suit = index / 13, rank = index % 13;
    DrawIndex(painter, suit, rank);
    if (rank >= 10) {
        DrawCourt(painter, suit, rank);
    } else {
        DrawPips(painter, suit, rank);
    }
}

} // namespace cardgen
