// Court figures: a bust in the top half, mirrored into the bottom half. Kings,
// queens and jacks share one bust, drawn back to front in layers, and differ in
// what they hold and wear. Ranks: 10 jack, 11 queen, 12 king.
#include "Common.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace cardgen {

namespace {

constexpr int kJack = 10, kQueen = 11, kKing = 12;

void DrawSceptre(QPainter& painter, double mid)
{
    painter.setPen(QPen(kGoldDark, 1.4));
    painter.drawLine(QPointF(12, 8), QPointF(12, mid));
    painter.setPen(QPen(kGoldDark, 0.5));
    painter.setBrush(kGold);
    painter.drawEllipse(QPointF(12, 6.5), 2.2, 2.2);
}

void DrawFlower(QPainter& painter, const QColor& robe)
{
    painter.setPen(QPen(QColor(0x20, 0x80, 0x20), 1));
    painter.drawLine(QPointF(12, 12), QPointF(12, 28));
    painter.setPen(Qt::NoPen);
    painter.setBrush(robe);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        painter.drawEllipse(QPointF(12 + 2 * std::sin(a), 9 - 2 * std::cos(a)), 1.5, 1.5);
    }
    painter.setBrush(kGold);
    painter.drawEllipse(QPointF(12, 9), 1.1, 1.1);
}

void DrawHalberd(QPainter& painter, double mid)
{
    painter.setPen(QPen(QColor(0x70, 0x40, 0x10), 1.2));
    painter.drawLine(QPointF(12, 4), QPointF(12, mid));
    QPainterPath blade;
    blade.moveTo(12, 1.5);
    blade.quadTo(16.5, 4, 15.5, 9);
    blade.lineTo(12, 8);
    blade.closeSubpath();
    painter.fillPath(blade, QColor(0xC0, 0xC4, 0xD0));
    painter.strokePath(blade, QPen(kInk, 0.5));
}

// What each one holds sits behind the shoulder: sceptre, flower, halberd.
void DrawHeldItem(QPainter& painter, int rank, const QColor& robe, double mid)
{
    if (rank == kKing) {
        DrawSceptre(painter, mid);
    } else if (rank == kQueen) {
        DrawFlower(painter, robe);
    } else {
        DrawHalberd(painter, mid);
    }
}

// Long hair falls behind the queen's face.
void DrawQueenHair(QPainter& painter)
{
    QPainterPath hair;
    hair.addRoundedRect(QRectF(-8, 9, 16, 18), 6, 6);
    painter.fillPath(hair, QColor(0xD0, 0x8C, 0x10));
    painter.strokePath(hair, QPen(kGoldDark, 0.5));
}

// Shoulders in the suit colour with a gold chest panel.
void DrawShoulders(QPainter& painter, int rank, const QColor& robe, double mid)
{
    QPainterPath body;
    body.moveTo(-16, mid + 1);
    body.lineTo(-16, 31);
    body.cubicTo(-15, 27, -10, 25.5, -5, 24.5);
    body.lineTo(5, 24.5);
    body.cubicTo(10, 25.5, 15, 27, 16, 31);
    body.lineTo(16, mid + 1);
    body.closeSubpath();
    painter.fillPath(body, robe);
    QPainterPath chest;
    chest.moveTo(-5, 24.5);
    chest.lineTo(5, 24.5);
    chest.lineTo(3, mid + 1);
    chest.lineTo(-3, mid + 1);
    chest.closeSubpath();
    painter.fillPath(chest, rank == kQueen ? QColor(Qt::white) : kGold);
    painter.strokePath(chest, QPen(kGoldDark, 0.5));
    if (rank == kJack) { // a row of buttons down the doublet
        painter.setPen(Qt::NoPen);
        painter.setBrush(robe);
        for (double y = 28; y < mid; y += 3.5) {
            painter.drawEllipse(QPointF(0, y), 0.9, 0.9);
        }
    }
}

void DrawHead(QPainter& painter)
{
    painter.setBrush(kSkin);
    painter.setPen(QPen(kInk, 0.6));
    painter.drawEllipse(QRectF(-5, 10.5, 10, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(-2, 16), 0.75, 0.75);
    painter.drawEllipse(QPointF(2, 16), 0.75, 0.75);
    painter.setPen(QPen(QColor(0xB0, 0x30, 0x30), 0.8));
    painter.drawLine(QPointF(-1.3, 20.3), QPointF(1.3, 20.3));
}

// King: white beard and an ermine collar.
void DrawBeardAndCollar(QPainter& painter)
{
    QPainterPath beard;
    beard.moveTo(-5, 17.5);
    beard.cubicTo(-5, 24, -2.5, 27.5, 0, 28);
    beard.cubicTo(2.5, 27.5, 5, 24, 5, 17.5);
    beard.cubicTo(3.5, 21, -3.5, 21, -5, 17.5);
    QPainterPath collar;
    collar.addEllipse(QRectF(-11, 23, 22, 5));
    painter.fillPath(collar, Qt::white);
    painter.strokePath(collar, QPen(QColor(0x90, 0x90, 0x90), 0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    for (double x : {-8.0, -5.0, 5.0, 8.0}) {
        painter.drawEllipse(QPointF(x, 25.5), 0.6, 0.6);
    }
    painter.fillPath(beard, QColor(0xF4, 0xF4, 0xF4));
    painter.strokePath(beard, QPen(QColor(0x80, 0x80, 0x80), 0.5));
    painter.setPen(QPen(kInk, 0.7));
    painter.drawLine(QPointF(-1.3, 20.6), QPointF(1.3, 20.6));
}

// King: a tall pointed crown.
QPainterPath KingCrown()
{
    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    crown.moveTo(-6, 12.5);
    crown.lineTo(-6.5, 3);
    crown.lineTo(-3.2, 7.5);
    crown.lineTo(0, 1.5);
    crown.lineTo(3.2, 7.5);
    crown.lineTo(6.5, 3);
    crown.lineTo(6, 12.5);
    crown.closeSubpath();
    return crown;
}

// Queen: a necklace.
void DrawNecklace(QPainter& painter, const QColor& robe)
{
    QPainterPath necklace;
    necklace.moveTo(-4.5, 25);
    necklace.quadTo(0, 31, 4.5, 25);
    painter.strokePath(necklace, QPen(kGold, 1.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(robe);
    painter.drawEllipse(QPointF(0, 28), 1.2, 1.2);
}

// Queen: a low tiara with round tops.
QPainterPath QueenTiara()
{
    QPainterPath tiara;
    tiara.setFillRule(Qt::WindingFill);
    tiara.addRect(QRectF(-5.5, 8.5, 11, 3.5));
    tiara.addEllipse(QPointF(-4, 7.5), 1.6, 1.6);
    tiara.addEllipse(QPointF(0, 6), 2, 2);
    tiara.addEllipse(QPointF(4, 7.5), 1.6, 1.6);
    return tiara;
}

// Gold headwear with one jewel at the front.
void DrawCrown(QPainter& painter, const QPainterPath& outline, const QColor& jewel)
{
    const QPainterPath crown = outline.simplified();
    painter.fillPath(crown, kGold);
    painter.strokePath(crown, QPen(kGoldDark, 0.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(jewel);
    painter.drawEllipse(QPointF(0, 10.2), 1.1, 1.1);
}

// Jack: brown hair, a flat cap in the suit colour and a gold feather.
void DrawCapAndFeather(QPainter& painter, const QColor& robe)
{
    const QPen goldEdge(kGoldDark, 0.5);
    QPainterPath hair;
    hair.addRect(QRectF(-5.5, 11, 2.5, 6));
    hair.addRect(QRectF(3, 11, 2.5, 6));
    painter.fillPath(hair, QColor(0x7A, 0x44, 0x18));
    QPainterPath feather;
    feather.moveTo(3, 9);
    feather.cubicTo(5, 3, 8, 1, 10, 1);
    feather.cubicTo(8, 4, 6, 7, 4, 10);
    painter.fillPath(feather, kGold);
    painter.strokePath(feather, goldEdge);
    QPainterPath cap;
    cap.addEllipse(QRectF(-8, 6.5, 16, 6));
    painter.fillPath(cap, robe);
    painter.strokePath(cap, goldEdge);
    painter.fillRect(QRectF(-5.5, 10.5, 11, 1.5), kGold);
}

void DrawHeadwear(QPainter& painter, int rank, const QColor& robe)
{
    if (rank == kKing) {
        DrawBeardAndCollar(painter);
        DrawCrown(painter, KingCrown(), robe);
    } else if (rank == kQueen) {
        DrawNecklace(painter, robe);
        DrawCrown(painter, QueenTiara(), QColor(0x20, 0x40, 0xB0));
    } else {
        DrawCapAndFeather(painter, robe);
    }
}

void DrawBust(QPainter& painter, int suit, int rank, const QRectF& frame)
{
    const QColor robe = SuitColor(suit);
    painter.save();
    painter.translate(frame.center().x(), frame.top());
    const double mid = frame.height() / 2; // the figure is cut off at the card's centre line
    DrawHeldItem(painter, rank, robe, mid);
    if (rank == kQueen) {
        DrawQueenHair(painter);
    }
    DrawShoulders(painter, rank, robe, mid);
    DrawHead(painter);
    DrawHeadwear(painter, rank, robe);
    DrawPip(painter, suit, QPointF(-11.5, 5), 6.5);
    painter.restore();
}

} // namespace

void DrawCourt(QPainter& painter, int suit, int rank)
{
    const QRectF frame(13.5, 8.5, 34, 72);
    for (int half = 0; half < 2; ++half) {
        painter.save();
        if (half) {
            painter.translate(kCardW, kCardH);
            painter.rotate(180);
        }
        painter.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2));
        painter.fillRect(frame, QColor(0xFF, 0xF8, 0xE4));
        DrawBust(painter, suit, rank, frame);
        painter.restore();
    }
    painter.setPen(QPen(kGoldDark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.drawLine(QPointF(frame.left(), 44.5), QPointF(frame.right(), 44.5));
}

} // namespace cardgen
