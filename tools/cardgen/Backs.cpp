// Card backs: a patterned panel inside the white card, sometimes with the moose
// emblem. The large pictures the game keeps but does not show are drawn the same way.
#include "Common.h"

#include <QPainter>

#include <algorithm>

namespace cardgen {

namespace {

void DrawLattice(QPainter& painter, const QColor& line, double w, double h)
{
    // One-device-pixel aliased diagonals keep the lattice sharp at every scale.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(line, 0));
    const double step = 4;
    for (double d = -h; d < w + h; d += step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + h, h));
        painter.drawLine(QPointF(d, h), QPointF(d + h, 0));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void DrawChecks(QPainter& painter, const QColor& line, double w, double h)
{
    QColor colour = line;
    colour.setAlpha(140);
    for (double y = 0; y < h; y += 6) {
        painter.fillRect(QRectF(0, y, w, 3), colour);
    }
    for (double x = 0; x < w; x += 6) {
        painter.fillRect(QRectF(x, 0, 3, h), colour);
    }
}

void DrawStripes(QPainter& painter, const QColor& line, double w, double h)
{
    painter.setPen(QPen(line, 1.5));
    for (double d = -h; d < w; d += 4.5) {
        painter.drawLine(QPointF(d, h), QPointF(d + h, 0));
    }
}

void DrawDots(QPainter& painter, const QColor& line, double w, double h)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(line);
    for (int row = 0; row * 5 < h + 5; ++row) {
        for (double x = (row % 2) * 2.5; x < w + 3; x += 5) {
            painter.drawEllipse(QPointF(x, row * 5.0), 1.4, 1.4);
        }
    }
}

void DrawWaves(QPainter& painter, const QColor& line, double w, double h)
{
    painter.setPen(QPen(line, 1));
    for (double y = 0; y < h + 4; y += 4) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (double x = 0; x < w; x += 8) {
            wave.cubicTo(x + 2.5, y - 2.5, x + 5.5, y + 2.5, x + 8, y);
        }
        painter.drawPath(wave);
    }
}

void DrawFrames(QPainter& painter, const QColor& line, double w, double h)
{
    painter.setPen(QPen(line, 1));
    for (double i = 1.5; i < std::min(w, h) / 2; i += 3.5) {
        painter.drawRoundedRect(QRectF(i, i, w - 2 * i, h - 2 * i), 2, 2);
    }
}

void FillPattern(QPainter& painter, const QRectF& area, const BackStyle& style)
{
    painter.fillRect(area, style.ground);
    painter.setBrush(Qt::NoBrush);
    const double w = area.width(), h = area.height();
    painter.save();
    painter.translate(area.topLeft());
    switch (style.pattern) {
    case Pattern::Lattice:
        DrawLattice(painter, style.line, w, h);
        break;
    case Pattern::Checks:
        DrawChecks(painter, style.line, w, h);
        break;
    case Pattern::Stripes:
        DrawStripes(painter, style.line, w, h);
        break;
    case Pattern::Dots:
        DrawDots(painter, style.line, w, h);
        break;
    case Pattern::Waves:
        DrawWaves(painter, style.line, w, h);
        break;
    case Pattern::Frames:
        DrawFrames(painter, style.line, w, h);
        break;
    }
    painter.restore();
}

// The moose on a darker disc in the middle of the panel.
void DrawEmblem(QPainter& painter, const QRectF& inner, const QColor& ground)
{
    const QPointF centre = inner.center();
    const double r = std::min(inner.width(), inner.height()) * 0.36;
    painter.setPen(QPen(kGold, 1.5));
    painter.setBrush(ground.darker(130));
    painter.drawEllipse(centre, r, r);
    painter.translate(centre + QPointF(0, -r * 0.05));
    painter.scale(r * 0.78, r * 0.78);
    DrawMoose(painter, QColor(0x8A, 0x52, 0x24), QColor(0xF0, 0xCC, 0x60), QColor(0x30, 0x18, 0x08));
}

} // namespace

void DrawBack(QPainter& painter, double w, double h, const BackStyle& style)
{
    DrawCardBlank(painter, w, h);
    const QRectF inner(3, 3, w - 6, h - 6);
    QPainterPath clip;
    clip.addRoundedRect(inner, 2, 2);
    painter.save();
    painter.setClipPath(clip);
    FillPattern(painter, inner, style);
    if (style.emblem) {
        DrawEmblem(painter, inner, style.ground);
    }
    painter.restore();
    painter.setPen(QPen(style.line.lighter(150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner.adjusted(1.5, 1.5, -1.5, -1.5), 1.5, 1.5);
}

BackStyle BigPicture(int index)
{
    switch (index) {
    case 54:
        return {QColor(0x0E, 0x5A, 0x2A), QColor(0x4C, 0xA0, 0x5C), Pattern::Lattice, true};
    case 55:
        return {QColor(0x9C, 0x10, 0x18), QColor(0xE0, 0x60, 0x60), Pattern::Lattice, false};
    case 56:
        return {QColor(0x16, 0x32, 0x8C), QColor(0x70, 0x98, 0xE8), Pattern::Checks, false};
    case 58:
        return {QColor(0x58, 0x20, 0x78), QColor(0xA0, 0x70, 0xC8), Pattern::Stripes, false};
    case 60:
        return {QColor(0x0C, 0x60, 0x68), QColor(0x60, 0xB8, 0xB8), Pattern::Dots, false};
    case 61:
        return {QColor(0x8C, 0x48, 0x10), QColor(0xE0, 0xA0, 0x50), Pattern::Waves, false};
    case 62:
        return {QColor(0x16, 0x32, 0x8C), QColor(0x60, 0x88, 0xE0), Pattern::Lattice, true};
    case 63:
        return {QColor(0x9C, 0x10, 0x18), QColor(0xE0, 0x60, 0x60), Pattern::Dots, true};
    case 64:
        return {QColor(0x0E, 0x5A, 0x2A), QColor(0x80, 0xC8, 0x80), Pattern::Frames, false};
    case 65:
        return {QColor(0x10, 0x20, 0x50), QColor(0x70, 0x88, 0xC0), Pattern::Frames, false};
    case 66:
        return {QColor(0x70, 0x10, 0x20), QColor(0xC8, 0x70, 0x70), Pattern::Checks, false};
    default:
        return {QColor(0x40, 0x48, 0x58), QColor(0x98, 0xA4, 0xB8), Pattern::Waves, true};
    }
}

} // namespace cardgen
