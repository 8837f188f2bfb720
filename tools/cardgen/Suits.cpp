// Suit symbols, drawn in a unit box centred on the origin (height 1), and the
// lettering that cards and icon share.
#include "Common.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace cardgen {

namespace {

// The flared foot shared by spade and club; starts at the right join.
void AddStem(QPainterPath& path, double joinY)
{
    path.moveTo(0.05, joinY);
    path.quadTo(0.07, 0.40, 0.24, 0.50);
    path.lineTo(-0.24, 0.50);
    path.quadTo(-0.07, 0.40, -0.05, joinY);
    path.closeSubpath();
}

} // namespace

QFont RankFont(double pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath SuitPath(int suit)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Hearts:
        path.moveTo(0, 0.5);
        path.cubicTo(-0.12, 0.33, -0.5, 0.08, -0.5, -0.20);
        path.cubicTo(-0.5, -0.38, -0.38, -0.48, -0.25, -0.48);
        path.cubicTo(-0.11, -0.48, -0.02, -0.38, 0, -0.27);
        path.cubicTo(0.02, -0.38, 0.11, -0.48, 0.25, -0.48);
        path.cubicTo(0.38, -0.48, 0.5, -0.38, 0.5, -0.20);
        path.cubicTo(0.5, 0.08, 0.12, 0.33, 0, 0.5);
        break;
    case Diamonds:
        path.moveTo(0, -0.5);
        path.quadTo(0.18, -0.20, 0.39, 0);
        path.quadTo(0.18, 0.20, 0, 0.5);
        path.quadTo(-0.18, 0.20, -0.39, 0);
        path.quadTo(-0.18, -0.20, 0, -0.5);
        break;
    case Spades:
        path.moveTo(0, -0.5);
        path.cubicTo(0.12, -0.32, 0.5, -0.12, 0.5, 0.12);
        path.cubicTo(0.5, 0.28, 0.38, 0.36, 0.26, 0.36);
        path.cubicTo(0.14, 0.36, 0.06, 0.30, 0.03, 0.22);
        path.lineTo(-0.03, 0.22);
        path.cubicTo(-0.06, 0.30, -0.14, 0.36, -0.26, 0.36);
        path.cubicTo(-0.38, 0.36, -0.5, 0.28, -0.5, 0.12);
        path.cubicTo(-0.5, -0.12, -0.12, -0.32, 0, -0.5);
        path.closeSubpath();
        AddStem(path, 0.15);
        break;
    case Clubs:
        path.addEllipse(QPointF(0, -0.26), 0.23, 0.23);
        path.addEllipse(QPointF(-0.26, 0.10), 0.23, 0.23);
        path.addEllipse(QPointF(0.26, 0.10), 0.23, 0.23);
        path.addEllipse(QPointF(0, 0.02), 0.13, 0.13);
        AddStem(path, 0.10);
        break;
    }
    return path;
}

void DrawPip(QPainter& painter, int suit, QPointF centre, double height, bool upsideDown)
{
    painter.save();
    painter.translate(centre);
    if (upsideDown) {
        painter.rotate(180);
    }
    painter.scale(height, height);
    painter.fillPath(SuitPath(suit), SuitColor(suit));
    painter.restore();
}

// Centres text on x with its baseline on y, snapped to whole pixels so it stays crisp.
void DrawCentredText(QPainter& painter, const QString& text, double cx, double baseline)
{
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    painter.drawText(QPointF(std::round(cx - width / 2), std::round(baseline)), text);
}

} // namespace cardgen
