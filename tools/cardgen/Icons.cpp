// The small pictures (deck surface, toolbar, program icon) and the logo with
// its moose.
#include "Common.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cardgen {

namespace {

// Right antler of the moose; the left one is its mirror image.
QPainterPath RightAntler()
{
    QPainterPath right;
    right.moveTo(0.16, -0.30);
    right.cubicTo(0.35, -0.28, 0.7, -0.26, 0.98, -0.38);
    right.lineTo(1.0, -0.56);
    right.lineTo(0.88, -0.55);
    right.lineTo(0.93, -0.78);
    right.lineTo(0.79, -0.66);
    right.lineTo(0.76, -0.90);
    right.lineTo(0.64, -0.70);
    right.lineTo(0.55, -0.90);
    right.lineTo(0.48, -0.64);
    right.lineTo(0.34, -0.76);
    right.lineTo(0.35, -0.52);
    right.cubicTo(0.28, -0.50, 0.2, -0.44, 0.12, -0.36);
    right.closeSubpath();
    return right;
}

// Broad brow, long nose, then the heavy overhanging muzzle.
QPainterPath MooseHead()
{
    QPainterPath head;
    head.moveTo(0, -0.40);
    head.cubicTo(0.20, -0.40, 0.30, -0.30, 0.29, -0.10);
    head.cubicTo(0.28, 0.08, 0.16, 0.20, 0.16, 0.34);
    head.cubicTo(0.16, 0.44, 0.28, 0.50, 0.27, 0.64);
    head.cubicTo(0.26, 0.78, 0.12, 0.82, 0, 0.82);
    head.cubicTo(-0.12, 0.82, -0.26, 0.78, -0.27, 0.64);
    head.cubicTo(-0.28, 0.50, -0.16, 0.44, -0.16, 0.34);
    head.cubicTo(-0.16, 0.20, -0.28, 0.08, -0.29, -0.10);
    head.cubicTo(-0.30, -0.30, -0.20, -0.40, 0, -0.40);
    return head;
}

// The diagonal lattice on the icon's face-down card.
void DrawIconLattice(QPainter& painter, int n, const QRectF& inner, double angle)
{
    painter.save();
    painter.setClipRect(inner);
    painter.setRenderHint(QPainter::Antialiasing, angle != 0);
    const double width = std::max(1.0, n / 128.0);
    // An SVG drawing cannot clip, so there each line is a band cut to the edge by hand.
    const bool cutByHand = painter.paintEngine()->type() == QPaintEngine::SVG;
    painter.setPen(cutByHand ? QPen(Qt::NoPen) : QPen(kGameBack.line, width));
    painter.setBrush(kGameBack.line);
    const QPointF a(width / std::numbers::sqrt2, 0); // half the band's width along a row
    auto line = [&](QPointF from, QPointF to) {
        if (cutByHand) {
            painter.drawPolygon(QPolygonF(inner).intersected(QPolygonF({from - a, from + a, to + a, to - a})));
        } else {
            painter.drawLine(from, to);
        }
    };
    const double step = std::max(4.0, n / 20.0), h = inner.height();
    for (double d = -h; d < inner.width() + h; d += step) {
        line(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d + h, inner.bottom()));
        line(QPointF(inner.left() + d, inner.bottom()), QPointF(inner.left() + d + h, inner.top()));
    }
    painter.restore();
}

void DrawIconBack(QPainter& painter, int n, double pen, const QRectF& box, double angle)
{
    const double m = pen + std::max(1.0, std::round(box.width() / 14));
    const QRectF inner = box.adjusted(m, m, -m, -m);
    painter.fillRect(inner, kGameBack.ground);
    if (n >= 32) {
        DrawIconLattice(painter, n, inner, angle);
    }
}

void DrawIconAce(QPainter& painter, int n, const QRectF& box)
{
    const double size = box.width() * (n >= 64 ? 0.58 : 0.7);
    const double drop = n >= 64 ? box.height() * 0.07 : 0;
    painter.fillPath(QTransform::fromTranslate(0, drop).scale(size, size).map(SuitPath(Hearts)), kRed);
    if (n >= 64) { // room for a corner index
        QFont font = RankFont(box.width() * 0.22);
        painter.setFont(font);
        painter.setPen(kRed);
        DrawCentredText(painter, QStringLiteral("A"), box.left() + box.width() * 0.17, box.top() + box.width() * 0.27);
        DrawPip(painter, Hearts, QPointF(box.left() + box.width() * 0.17, box.top() + box.width() * 0.38),
                box.width() * 0.13);
    }
}

// One card of the icon, in rect r turned by angle degrees about its centre.
void DrawIconCard(QPainter& painter, int n, double pen, const QRectF& r, double angle, bool faceUp)
{
    painter.save();
    painter.translate(r.center());
    painter.rotate(angle);
    const QRectF box(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    const double radius = std::max(1.0, r.width() / 10);
    QPainterPath outer, paper;
    outer.addRoundedRect(box, radius, radius);
    paper.addRoundedRect(box.adjusted(pen, pen, -pen, -pen), radius - pen / 2, radius - pen / 2);
    painter.fillPath(outer, kInk);
    painter.fillPath(paper, Qt::white);
    if (!faceUp) {
        DrawIconBack(painter, n, pen, box, angle);
    } else {
        DrawIconAce(painter, n, box);
    }
    painter.restore();
}

// A fanned hand of cards that the moose holds, each with a soft shadow.
void DrawLogoHand(QPainter& painter)
{
    const int cards[5] = {59, 12, 39, 24, 52};
    const double angles[5] = {-36, -18, 0, 18, 36};
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(143, 330);
        painter.rotate(angles[i]);
        painter.translate(0, -120);
        painter.scale(1.35, 1.35);
        painter.translate(-kCardW / 2, -kCardH / 2);
        // A soft shadow keeps overlapping cards apart.
        QPainterPath shadow;
        shadow.addRoundedRect(QRectF(-2, 1, kCardW, kCardH), 4, 4);
        painter.fillPath(shadow, QColor(0, 0, 0, 70));
        if (cards[i] == 59) {
            DrawBack(painter, kCardW, kCardH, kGameBack);
        } else {
            DrawFace(painter, cards[i]);
        }
        painter.restore();
    }
}

} // namespace

// ---- Moose head emblem, in a box of about 2 x 2 units centred on the origin. ----

void DrawMoose(QPainter& painter, const QColor& fur, const QColor& antler, const QColor& line)
{
    const QPainterPath right = RightAntler();
    const QPainterPath left = QTransform::fromScale(-1, 1).map(right);
    const QPen edge(line, 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const QPainterPath& a : {left, right}) {
        painter.fillPath(a, antler);
        painter.strokePath(a, edge);
    }
    QPainterPath ear;
    ear.moveTo(0.22, -0.26);
    ear.cubicTo(0.40, -0.34, 0.58, -0.26, 0.64, -0.14);
    ear.cubicTo(0.50, -0.07, 0.34, -0.08, 0.22, -0.10);
    ear.closeSubpath();
    for (const QPainterPath& e : {ear, QTransform::fromScale(-1, 1).map(ear)}) {
        painter.fillPath(e, fur);
        painter.strokePath(e, edge);
    }
    const QPainterPath head = MooseHead();
    painter.fillPath(head, fur);
    painter.strokePath(head, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(line);
    for (double s : {-1.0, 1.0}) {
        painter.drawEllipse(QPointF(s * 0.15, -0.10), 0.04, 0.05);
        painter.drawEllipse(QPointF(s * 0.10, 0.68), 0.04, 0.06);
    }
}

// ---- Small pictures. ----

// The deck's own surface: a tiny fan of cards in flat, 16-colour style.
void DrawDeckSurface(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor navy(0, 0, 128), blue(0, 0, 255), red(255, 0, 0);
    for (int i = 0; i < 3; ++i) {
        const QRect card(1 + i * 4, 1 + i * 3, 20, 28); // outer pixels, outline included
        painter.fillRect(card, Qt::black);
        painter.fillRect(card.adjusted(1, 1, -1, -1), Qt::white);
        if (i < 2) {
            const QRect inner = card.adjusted(2, 2, -2, -2);
            painter.fillRect(inner, navy);
            painter.setPen(QPen(blue, 0));
            painter.setClipRect(inner);
            for (int d = -inner.height(); d < inner.width(); d += 4) {
                painter.drawLine(inner.left() + d, inner.top(), inner.left() + d + inner.height(), inner.bottom());
            }
            painter.setClipping(false);
        }
    }
    // The top card lies face up: an ace of hearts.
    const QRect top(9, 7, 20, 28);
    painter.fillRect(QRect(top.right() + 1, top.top() + 2, 2, top.height()), QColor(128, 128, 128));
    painter.fillRect(QRect(top.left() + 2, top.bottom() + 1, top.width(), 2), QColor(128, 128, 128));
    painter.fillRect(top, Qt::black);
    painter.fillRect(top.adjusted(1, 1, -1, -1), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true); // an aliased heart this small turns lumpy
    painter.fillPath(QTransform::fromTranslate(19, 21).scale(12, 12).map(SuitPath(Hearts)), red);
}

void DrawToolbarNew(QPainter& painter)
{
    const QPen edge(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    painter.fillPath(page, Qt::white);
    painter.strokePath(page, edge);
    QPainterPath fold; // the dog-ear
    fold.moveTo(9.5, 0.5);
    fold.lineTo(9.5, 4.5);
    fold.lineTo(13.5, 4.5);
    fold.closeSubpath();
    painter.fillPath(fold, QColor(192, 192, 192));
    painter.strokePath(fold, edge);
}

void DrawToolbarOpen(QPainter& painter)
{
    const QPen edge(QColor(0x60, 0x48, 0x00), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(6.5, 4.5);
    back.lineTo(12.5, 4.5);
    back.lineTo(12.5, 13.5);
    back.closeSubpath();
    painter.fillPath(back, QColor(0xC8, 0x98, 0x10));
    painter.strokePath(back, edge);
    painter.fillRect(QRectF(3, 6, 8, 3), Qt::white); // a sheet peeking out
    QPainterPath flap;
    flap.moveTo(1.5, 13.5);
    flap.lineTo(4.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(12.5, 13.5);
    flap.closeSubpath();
    painter.fillPath(flap, QColor(0xF8, 0xD8, 0x40));
    painter.strokePath(flap, edge);
}

void DrawToolbarSave(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(13.5, 1.5);
    disk.lineTo(14.5, 2.5);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(disk, QColor(0x20, 0x30, 0x90));
    painter.strokePath(disk, QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.fillRect(QRectF(4, 2, 8, 5), QColor(0xC8, 0xC8, 0xD0)); // metal shutter
    painter.fillRect(QRectF(9, 3, 2, 3), QColor(0x20, 0x30, 0x90));
    painter.fillRect(QRectF(3, 9, 10, 5), Qt::white); // label
    painter.fillRect(QRectF(4, 10, 8, 1), QColor(0x80, 0x80, 0x80));
    painter.fillRect(QRectF(4, 12, 6, 1), QColor(0x80, 0x80, 0x80));
}

void DrawToolbarScores(QPainter& painter)
{
    painter.fillRect(QRectF(2, 2, 12, 13), Qt::black);
    painter.fillRect(QRectF(3, 3, 10, 11), QColor(0xFF, 0xF4, 0x90));
    painter.fillRect(QRectF(2, 1, 12, 3), QColor(0xA0, 0x10, 0x10)); // binding
    for (int y = 6; y <= 12; y += 2) {
        painter.fillRect(QRectF(4, y, 8, 1), QColor(0x40, 0x60, 0xD0));
    }
    painter.fillRect(QRectF(5, 5, 1, 9), QColor(0xE0, 0x40, 0x40)); // margin
}

void DrawToolbarHelp(QPainter& painter)
{
    QPainterPath mark;
    mark.moveTo(4.8, 5.2);
    mark.cubicTo(4.8, 2.8, 6.3, 2, 8, 2);
    mark.cubicTo(9.9, 2, 11.2, 3.2, 11.2, 4.8);
    mark.cubicTo(11.2, 7, 8.2, 7.4, 8.2, 9.8);
    mark.lineTo(8.2, 10.4);
    // Dark rim under a bright stroke, in the manner of classic toolbar art.
    painter.strokePath(mark, QPen(QColor(0, 0, 0x70), 4.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.fillRect(QRectF(5.9, 11.9, 4.6, 4.1), QColor(0, 0, 0x70));
    painter.strokePath(mark, QPen(QColor(0x20, 0x60, 0xF0), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.fillRect(QRectF(6.9, 12.9, 2.6, 2.1), QColor(0x20, 0x60, 0xF0));
}

// Program icon: a face-down card behind a face-up ace of hearts.
// Works in device pixels so the small sizes get their own crisp, untilted geometry.
void DrawIcon(QPainter& painter, int n)
{
    const double pen = std::max(1.0, std::round(n / 40.0));
    if (n < 40) {
        const int k = n / 16;
        DrawIconCard(painter, n, pen, QRectF(0, 0, 10 * k, 13 * k), 0, false);
        DrawIconCard(painter, n, pen, QRectF(5 * k, 3 * k, 11 * k, 13 * k), 0, true);
    } else {
        const double w = 0.56 * n, h = 0.78 * n;
        DrawIconCard(painter, n, pen, QRectF(0.36 * n - w / 2, 0.45 * n - h / 2, w, h), -12, false);
        DrawIconCard(painter, n, pen, QRectF(0.62 * n - w / 2, 0.55 * n - h / 2, w, h), 9, true);
    }
}

void DrawLogo(QPainter& painter)
{
    painter.fillRect(QRectF(0, 0, 286, 333), kTable);
    // A soft glow behind the moose lifts it off the table.
    QRadialGradient glow(QPointF(143, 130), 150);
    glow.setColorAt(0, QColor(0x40, 0xB0, 0x40));
    glow.setColorAt(1, QColor(0x40, 0xB0, 0x40, 0));
    painter.fillRect(QRectF(0, 0, 286, 333), glow);

    // The moose peers over the hand of cards it holds.
    painter.save();
    painter.translate(143, 118);
    painter.scale(100, 100);
    DrawMoose(painter, QColor(0x8A, 0x52, 0x24), QColor(0xF0, 0xCC, 0x60), QColor(0x30, 0x18, 0x08));
    painter.restore();

    DrawLogoHand(painter);
}

} // namespace cardgen
