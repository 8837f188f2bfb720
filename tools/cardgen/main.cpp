// Draws every picture the game uses (cards, deck surface, toolbar, icon, logo)
// as PNG files, each at 1x and as a natively drawn @2x twin, and the program icon
// once more as SVG for the desktop's scalable icon theme.
// Usage: cardgen <outdir>   (run with QT_QPA_PLATFORM=offscreen)
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QTransform>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

enum Suit { Spades, Diamonds, Clubs, Hearts };

const QColor kRed(0xC0, 0x00, 0x00);
const QColor kBlack(0x14, 0x14, 0x14);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kGold(0xE8, 0xB4, 0x10);
const QColor kGoldDark(0x8C, 0x64, 0x00);
const QColor kSkin(0xF8, 0xD6, 0xAC);
const QColor kTable(0, 128, 0);

constexpr double kCardW = 61, kCardH = 89;
constexpr double kBigW = 71, kBigH = 96;

bool isRed(int suit) { return suit == Diamonds || suit == Hearts; }
QColor suitColor(int suit) { return isRed(suit) ? kRed : kBlack; }

QFont rankFont(double pixels, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(pixels));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// ---- Suit symbols, drawn in a unit box centred on the origin (height 1). ----

// The flared foot shared by spade and club; starts at the right join.
void addStem(QPainterPath &p, double joinY)
{
    p.moveTo(0.05, joinY);
    p.quadTo(0.07, 0.40, 0.24, 0.50);
    p.lineTo(-0.24, 0.50);
    p.quadTo(-0.07, 0.40, -0.05, joinY);
    p.closeSubpath();
}

QPainterPath suitPath(int suit)
{
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Hearts:
        p.moveTo(0, 0.5);
        p.cubicTo(-0.12, 0.33, -0.5, 0.08, -0.5, -0.20);
        p.cubicTo(-0.5, -0.38, -0.38, -0.48, -0.25, -0.48);
        p.cubicTo(-0.11, -0.48, -0.02, -0.38, 0, -0.27);
        p.cubicTo(0.02, -0.38, 0.11, -0.48, 0.25, -0.48);
        p.cubicTo(0.38, -0.48, 0.5, -0.38, 0.5, -0.20);
        p.cubicTo(0.5, 0.08, 0.12, 0.33, 0, 0.5);
        break;
    case Diamonds:
        p.moveTo(0, -0.5);
        p.quadTo(0.18, -0.20, 0.39, 0);
        p.quadTo(0.18, 0.20, 0, 0.5);
        p.quadTo(-0.18, 0.20, -0.39, 0);
        p.quadTo(-0.18, -0.20, 0, -0.5);
        break;
    case Spades:
        p.moveTo(0, -0.5);
        p.cubicTo(0.12, -0.32, 0.5, -0.12, 0.5, 0.12);
        p.cubicTo(0.5, 0.28, 0.38, 0.36, 0.26, 0.36);
        p.cubicTo(0.14, 0.36, 0.06, 0.30, 0.03, 0.22);
        p.lineTo(-0.03, 0.22);
        p.cubicTo(-0.06, 0.30, -0.14, 0.36, -0.26, 0.36);
        p.cubicTo(-0.38, 0.36, -0.5, 0.28, -0.5, 0.12);
        p.cubicTo(-0.5, -0.12, -0.12, -0.32, 0, -0.5);
        p.closeSubpath();
        addStem(p, 0.15);
        break;
    case Clubs:
        p.addEllipse(QPointF(0, -0.26), 0.23, 0.23);
        p.addEllipse(QPointF(-0.26, 0.10), 0.23, 0.23);
        p.addEllipse(QPointF(0.26, 0.10), 0.23, 0.23);
        p.addEllipse(QPointF(0, 0.02), 0.13, 0.13);
        addStem(p, 0.10);
        break;
    }
    return p;
}

void drawPip(QPainter &p, int suit, QPointF centre, double height, bool upsideDown = false)
{
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.scale(height, height);
    p.fillPath(suitPath(suit), suitColor(suit));
    p.restore();
}

// ---- Card furniture. ----

void drawCardBlank(QPainter &p, double w, double h)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    p.fillPath(outline, Qt::white);
    p.strokePath(outline, QPen(kInk, 1));
}

// Paints the top-left index, then again turned half round for the bottom-right.
void bothCorners(QPainter &p, const std::function<void()> &corner)
{
    corner();
    p.save();
    p.translate(kCardW, kCardH);
    p.rotate(180);
    corner();
    p.restore();
}

// Centres text on x with its baseline on y, snapped to whole pixels so it stays crisp.
void drawCentredText(QPainter &p, const QString &text, double cx, double baseline)
{
    const double width = QFontMetricsF(p.font()).horizontalAdvance(text);
    p.drawText(QPointF(std::round(cx - width / 2), std::round(baseline)), text);
}

const std::array<const char *, 13> kRankNames = {"A", "2", "3", "4", "5", "6", "7",
                                                 "8", "9", "10", "J", "Q", "K"};

void drawIndex(QPainter &p, int suit, int rank)
{
    bothCorners(p, [&] {
        QFont f = rankFont(11);
        if (rank == 9) // "10" must fit the same narrow column as the single letters
            f.setLetterSpacing(QFont::AbsoluteSpacing, -1.5);
        p.setFont(f);
        p.setPen(suitColor(suit));
        drawCentredText(p, QString::fromLatin1(kRankNames[size_t(rank)]), rank == 9 ? 7.75 : 7, 12);
        drawPip(p, suit, QPointF(7, 18.5), 7);
    });
}

// Traditional pip arrangements: column (-1 left, 0 middle, 1 right) and row (0 top .. 1 bottom).
struct PipSpot { int col; double row; };
const std::array<std::vector<PipSpot>, 9> kPipLayouts = {{
    {{0, 0}, {0, 1}},                                                        // 2
    {{0, 0}, {0, .5}, {0, 1}},                                               // 3
    {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}},                                      // 4
    {{-1, 0}, {1, 0}, {0, .5}, {-1, 1}, {1, 1}},                             // 5
    {{-1, 0}, {1, 0}, {-1, .5}, {1, .5}, {-1, 1}, {1, 1}},                   // 6
    {{-1, 0}, {1, 0}, {0, .25}, {-1, .5}, {1, .5}, {-1, 1}, {1, 1}},         // 7
    {{-1, 0}, {1, 0}, {0, .25}, {-1, .5}, {1, .5}, {0, .75}, {-1, 1}, {1, 1}}, // 8
    {{-1, 0}, {1, 0}, {-1, 1 / 3.}, {1, 1 / 3.}, {0, .5},
     {-1, 2 / 3.}, {1, 2 / 3.}, {-1, 1}, {1, 1}},                            // 9
    {{-1, 0}, {1, 0}, {0, 1 / 6.}, {-1, 1 / 3.}, {1, 1 / 3.},
     {-1, 2 / 3.}, {1, 2 / 3.}, {0, 5 / 6.}, {-1, 1}, {1, 1}},               // 10
}};

void drawPips(QPainter &p, int suit, int rank)
{
    if (rank == 0) {
        const double size = suit == Spades ? 30 : 26;
        drawPip(p, suit, QPointF(30.5, 44.5), size);
        if (suit == Spades) { // the ace of spades traditionally carries a flourish
            QPainterPath inner = QTransform::fromTranslate(30.5, 43).scale(12, 12).map(suitPath(Spades));
            p.strokePath(inner, QPen(Qt::white, 1));
        }
        return;
    }
    for (const PipSpot &s : kPipLayouts[size_t(rank - 1)]) {
        const QPointF c(30.5 + s.col * 11.5, 16 + s.row * 57);
        drawPip(p, suit, c, 10, s.row > 0.5);
    }
}

// ---- Court figures: a bust in the top half, mirrored into the bottom half. ----

void drawBust(QPainter &p, int suit, int rank, const QRectF &frame)
{
    const QColor robe = suitColor(suit);
    const QPen ink(kInk, 0.6);
    const QPen goldEdge(kGoldDark, 0.5);
    p.save();
    p.translate(frame.center().x(), frame.top());
    const double mid = frame.height() / 2; // the figure is cut off at the card's centre line

    // What each one holds sits behind the shoulder: sceptre, flower, halberd.
    if (rank == 12) {
        p.setPen(QPen(kGoldDark, 1.4));
        p.drawLine(QPointF(12, 8), QPointF(12, mid));
        p.setPen(goldEdge);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(12, 6.5), 2.2, 2.2);
    } else if (rank == 11) {
        p.setPen(QPen(QColor(0x20, 0x80, 0x20), 1));
        p.drawLine(QPointF(12, 12), QPointF(12, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(robe);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * std::numbers::pi / 5;
            p.drawEllipse(QPointF(12 + 2 * std::sin(a), 9 - 2 * std::cos(a)), 1.5, 1.5);
        }
        p.setBrush(kGold);
        p.drawEllipse(QPointF(12, 9), 1.1, 1.1);
    } else {
        p.setPen(QPen(QColor(0x70, 0x40, 0x10), 1.2));
        p.drawLine(QPointF(12, 4), QPointF(12, mid));
        QPainterPath blade;
        blade.moveTo(12, 1.5);
        blade.quadTo(16.5, 4, 15.5, 9);
        blade.lineTo(12, 8);
        blade.closeSubpath();
        p.fillPath(blade, QColor(0xC0, 0xC4, 0xD0));
        p.strokePath(blade, QPen(kInk, 0.5));
    }

    // Long hair falls behind the queen's face.
    if (rank == 11) {
        QPainterPath hair;
        hair.addRoundedRect(QRectF(-8, 9, 16, 18), 6, 6);
        p.fillPath(hair, QColor(0xD0, 0x8C, 0x10));
        p.strokePath(hair, goldEdge);
    }

    // Shoulders in the suit colour with a gold chest panel.
    QPainterPath body;
    body.moveTo(-16, mid + 1);
    body.lineTo(-16, 31);
    body.cubicTo(-15, 27, -10, 25.5, -5, 24.5);
    body.lineTo(5, 24.5);
    body.cubicTo(10, 25.5, 15, 27, 16, 31);
    body.lineTo(16, mid + 1);
    body.closeSubpath();
    p.fillPath(body, robe);
    QPainterPath chest;
    chest.moveTo(-5, 24.5);
    chest.lineTo(5, 24.5);
    chest.lineTo(3, mid + 1);
    chest.lineTo(-3, mid + 1);
    chest.closeSubpath();
    p.fillPath(chest, rank == 11 ? QColor(Qt::white) : kGold);
    p.strokePath(chest, goldEdge);
    if (rank == 10) { // jack: a row of buttons down the doublet
        p.setPen(Qt::NoPen);
        p.setBrush(robe);
        for (double y = 28; y < mid; y += 3.5)
            p.drawEllipse(QPointF(0, y), 0.9, 0.9);
    }

    // Face.
    p.setBrush(kSkin);
    p.setPen(ink);
    p.drawEllipse(QRectF(-5, 10.5, 10, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-2, 16), 0.75, 0.75);
    p.drawEllipse(QPointF(2, 16), 0.75, 0.75);
    p.setPen(QPen(QColor(0xB0, 0x30, 0x30), 0.8));
    p.drawLine(QPointF(-1.3, 20.3), QPointF(1.3, 20.3));

    QPainterPath hat;
    hat.setFillRule(Qt::WindingFill);
    if (rank == 12) {
        // King: white beard, an ermine collar and a tall pointed crown.
        QPainterPath beard;
        beard.moveTo(-5, 17.5);
        beard.cubicTo(-5, 24, -2.5, 27.5, 0, 28);
        beard.cubicTo(2.5, 27.5, 5, 24, 5, 17.5);
        beard.cubicTo(3.5, 21, -3.5, 21, -5, 17.5);
        QPainterPath collar;
        collar.addEllipse(QRectF(-11, 23, 22, 5));
        p.fillPath(collar, Qt::white);
        p.strokePath(collar, QPen(QColor(0x90, 0x90, 0x90), 0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlack);
        for (double x : {-8.0, -5.0, 5.0, 8.0})
            p.drawEllipse(QPointF(x, 25.5), 0.6, 0.6);
        p.fillPath(beard, QColor(0xF4, 0xF4, 0xF4));
        p.strokePath(beard, QPen(QColor(0x80, 0x80, 0x80), 0.5));
        p.setPen(QPen(kInk, 0.7));
        p.drawLine(QPointF(-1.3, 20.6), QPointF(1.3, 20.6));
        hat.moveTo(-6, 12.5);
        hat.lineTo(-6.5, 3);
        hat.lineTo(-3.2, 7.5);
        hat.lineTo(0, 1.5);
        hat.lineTo(3.2, 7.5);
        hat.lineTo(6.5, 3);
        hat.lineTo(6, 12.5);
        hat.closeSubpath();
    } else if (rank == 11) {
        // Queen: a necklace and a low tiara with round tops.
        QPainterPath necklace;
        necklace.moveTo(-4.5, 25);
        necklace.quadTo(0, 31, 4.5, 25);
        p.strokePath(necklace, QPen(kGold, 1.2));
        p.setPen(Qt::NoPen);
        p.setBrush(robe);
        p.drawEllipse(QPointF(0, 28), 1.2, 1.2);
        hat.addRect(QRectF(-5.5, 8.5, 11, 3.5));
        hat.addEllipse(QPointF(-4, 7.5), 1.6, 1.6);
        hat.addEllipse(QPointF(0, 6), 2, 2);
        hat.addEllipse(QPointF(4, 7.5), 1.6, 1.6);
    } else {
        // Jack: brown hair, a flat cap in the suit colour and a gold feather.
        QPainterPath hair;
        hair.addRect(QRectF(-5.5, 11, 2.5, 6));
        hair.addRect(QRectF(3, 11, 2.5, 6));
        p.fillPath(hair, QColor(0x7A, 0x44, 0x18));
        QPainterPath feather;
        feather.moveTo(3, 9);
        feather.cubicTo(5, 3, 8, 1, 10, 1);
        feather.cubicTo(8, 4, 6, 7, 4, 10);
        p.fillPath(feather, kGold);
        p.strokePath(feather, goldEdge);
        QPainterPath cap;
        cap.addEllipse(QRectF(-8, 6.5, 16, 6));
        p.fillPath(cap, robe);
        p.strokePath(cap, goldEdge);
        p.fillRect(QRectF(-5.5, 10.5, 11, 1.5), kGold);
    }
    if (!hat.isEmpty()) {
        hat = hat.simplified();
        p.fillPath(hat, kGold);
        p.strokePath(hat, QPen(kGoldDark, 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(rank == 12 ? robe : QColor(0x20, 0x40, 0xB0));
        p.drawEllipse(QPointF(0, 10.2), 1.1, 1.1);
    }
    drawPip(p, suit, QPointF(-11.5, 5), 6.5);
    p.restore();
}

void drawCourt(QPainter &p, int suit, int rank)
{
    const QRectF frame(13.5, 8.5, 34, 72);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half) {
            p.translate(kCardW, kCardH);
            p.rotate(180);
        }
        p.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2));
        p.fillRect(frame, QColor(0xFF, 0xF8, 0xE4));
        drawBust(p, suit, rank, frame);
        p.restore();
    }
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.drawLine(QPointF(frame.left(), 44.5), QPointF(frame.right(), 44.5));
}

void drawJoker(QPainter &p, bool red)
{
    const QColor main = red ? kRed : kBlack;
    const QColor second = red ? kGold : QColor(0xE8, 0xE8, 0xE8);
    const QPen edge(red ? kGoldDark.darker(130) : kBlack, 0.6);
    bothCorners(p, [&] {
        p.setFont(rankFont(8));
        p.setPen(main);
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i)
            drawCentredText(p, word.mid(i, 1), 7, 10 + i * 8);
    });

    p.save();
    // The jester is drawn around y = 41 and enlarged onto the card's centre.
    p.translate(30.5, 47);
    p.scale(1.1, 1.1);
    p.translate(0, -41);
    // Ruff collar of alternating points.
    for (int i = 0; i < 8; ++i) {
        QPainterPath point;
        const double x = -14 + i * 3.5;
        point.moveTo(x, 58);
        point.lineTo(x + 3.5, 58);
        point.lineTo(x + 1.75, 70 - (i % 2) * 3);
        point.closeSubpath();
        p.fillPath(point, i % 2 ? second : main);
        p.strokePath(point, edge);
    }
    // Face.
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(kSkin);
    p.drawEllipse(QRectF(-8, 41, 16, 18));
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(-3, 48), 1, 1);
    p.drawEllipse(QPointF(3, 48), 1, 1);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(0, 51.5), 1.3, 1.3);
    QPainterPath smile;
    smile.moveTo(-4, 53.5);
    smile.quadTo(0, 57.5, 4, 53.5);
    p.strokePath(smile, QPen(kInk, 0.8));
    // Three-pointed jester's hat with a bell on each point.
    const QPointF tips[3] = {{-14, 24}, {0, 12}, {14, 24}};
    const QPointF roots[3][2] = {{{-9, 44}, {-4, 34}}, {{-4, 34}, {4, 34}}, {{4, 34}, {9, 44}}};
    for (int i = 0; i < 3; ++i) {
        QPainterPath horn;
        horn.moveTo(roots[i][0]);
        horn.quadTo((roots[i][0] + tips[i]) / 2 + QPointF(i == 2 ? 2 : -2, -2), tips[i]);
        horn.quadTo((roots[i][1] + tips[i]) / 2 + QPointF(i == 0 ? 3 : i == 2 ? -3 : 2, 1), roots[i][1]);
        horn.closeSubpath();
        p.fillPath(horn, i == 1 ? second : main);
        p.strokePath(horn, edge);
    }
    QPainterPath band;
    band.addRoundedRect(QRectF(-9.5, 40, 19, 4), 1.5, 1.5);
    p.fillPath(band, second);
    p.strokePath(band, edge);
    p.setPen(QPen(kGoldDark, 0.6));
    p.setBrush(red ? QColor(0xFF, 0xD8, 0x30) : QColor(0xC0, 0xC0, 0xC0));
    for (const QPointF &t : tips)
        p.drawEllipse(t, 2.3, 2.3);
    p.restore();
}

void drawFace(QPainter &p, int index)
{
    drawCardBlank(p, kCardW, kCardH);
    if (index >= 52) {
        drawJoker(p, index == 52);
        return;
    }
    const int suit = index / 13, rank = index % 13;
    drawIndex(p, suit, rank);
    if (rank >= 10)
        drawCourt(p, suit, rank);
    else
        drawPips(p, suit, rank);
}

// ---- Moose head emblem, in a box of about 2 x 2 units centred on the origin. ----

void drawMoose(QPainter &p, const QColor &fur, const QColor &antler, const QColor &line)
{
    QPainterPath right; // right antler; the left one is its mirror image
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
    const QPainterPath left = QTransform::fromScale(-1, 1).map(right);
    const QPen edge(line, 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const QPainterPath &a : {left, right}) {
        p.fillPath(a, antler);
        p.strokePath(a, edge);
    }
    QPainterPath ear;
    ear.moveTo(0.22, -0.26);
    ear.cubicTo(0.40, -0.34, 0.58, -0.26, 0.64, -0.14);
    ear.cubicTo(0.50, -0.07, 0.34, -0.08, 0.22, -0.10);
    ear.closeSubpath();
    for (const QPainterPath &e : {ear, QTransform::fromScale(-1, 1).map(ear)}) {
        p.fillPath(e, fur);
        p.strokePath(e, edge);
    }
    // Broad brow, long nose, then the heavy overhanging muzzle.
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
    p.fillPath(head, fur);
    p.strokePath(head, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    for (double s : {-1.0, 1.0}) {
        p.drawEllipse(QPointF(s * 0.15, -0.10), 0.04, 0.05);
        p.drawEllipse(QPointF(s * 0.10, 0.68), 0.04, 0.06);
    }
}

// ---- Card backs. ----

enum class Pattern { Lattice, Checks, Stripes, Dots, Waves, Frames };

struct BackStyle {
    QColor ground, line;
    Pattern pattern;
    bool emblem;
};

void fillPattern(QPainter &p, const QRectF &area, const BackStyle &s)
{
    p.fillRect(area, s.ground);
    p.setBrush(Qt::NoBrush);
    const double w = area.width(), h = area.height();
    p.save();
    p.translate(area.topLeft());
    switch (s.pattern) {
    case Pattern::Lattice: {
        // One-device-pixel aliased diagonals keep the lattice sharp at every scale.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(s.line, 0));
        const double step = 4;
        for (double d = -h; d < w + h; d += step) {
            p.drawLine(QPointF(d, 0), QPointF(d + h, h));
            p.drawLine(QPointF(d, h), QPointF(d + h, 0));
        }
        p.setRenderHint(QPainter::Antialiasing, true);
        break;
    }
    case Pattern::Checks: {
        QColor c = s.line;
        c.setAlpha(140);
        for (double y = 0; y < h; y += 6)
            p.fillRect(QRectF(0, y, w, 3), c);
        for (double x = 0; x < w; x += 6)
            p.fillRect(QRectF(x, 0, 3, h), c);
        break;
    }
    case Pattern::Stripes:
        p.setPen(QPen(s.line, 1.5));
        for (double d = -h; d < w; d += 4.5)
            p.drawLine(QPointF(d, h), QPointF(d + h, 0));
        break;
    case Pattern::Dots:
        p.setPen(Qt::NoPen);
        p.setBrush(s.line);
        for (int row = 0; row * 5 < h + 5; ++row)
            for (double x = (row % 2) * 2.5; x < w + 3; x += 5)
                p.drawEllipse(QPointF(x, row * 5.0), 1.4, 1.4);
        break;
    case Pattern::Waves:
        p.setPen(QPen(s.line, 1));
        for (double y = 0; y < h + 4; y += 4) {
            QPainterPath wave;
            wave.moveTo(0, y);
            for (double x = 0; x < w; x += 8)
                wave.cubicTo(x + 2.5, y - 2.5, x + 5.5, y + 2.5, x + 8, y);
            p.drawPath(wave);
        }
        break;
    case Pattern::Frames:
        p.setPen(QPen(s.line, 1));
        for (double i = 1.5; i < std::min(w, h) / 2; i += 3.5)
            p.drawRoundedRect(QRectF(i, i, w - 2 * i, h - 2 * i), 2, 2);
        break;
    }
    p.restore();
}

void drawBack(QPainter &p, double w, double h, const BackStyle &s)
{
    drawCardBlank(p, w, h);
    const QRectF inner(3, 3, w - 6, h - 6);
    QPainterPath clip;
    clip.addRoundedRect(inner, 2, 2);
    p.save();
    p.setClipPath(clip);
    fillPattern(p, inner, s);
    if (s.emblem) {
        const QPointF c = inner.center();
        const double r = std::min(inner.width(), inner.height()) * 0.36;
        p.setPen(QPen(kGold, 1.5));
        p.setBrush(s.ground.darker(130));
        p.drawEllipse(c, r, r);
        p.translate(c + QPointF(0, -r * 0.05));
        p.scale(r * 0.78, r * 0.78);
        drawMoose(p, QColor(0x8A, 0x52, 0x24), QColor(0xF0, 0xCC, 0x60), QColor(0x30, 0x18, 0x08));
    }
    p.restore();
    p.setPen(QPen(s.line.lighter(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(1.5, 1.5, -1.5, -1.5), 1.5, 1.5);
}

const BackStyle kGameBack{QColor(0x16, 0x32, 0x8C), QColor(0x60, 0x88, 0xE0), Pattern::Lattice, false};

BackStyle bigPicture(int index)
{
    switch (index) {
    case 54: return {QColor(0x0E, 0x5A, 0x2A), QColor(0x4C, 0xA0, 0x5C), Pattern::Lattice, true};
    case 55: return {QColor(0x9C, 0x10, 0x18), QColor(0xE0, 0x60, 0x60), Pattern::Lattice, false};
    case 56: return {QColor(0x16, 0x32, 0x8C), QColor(0x70, 0x98, 0xE8), Pattern::Checks, false};
    case 58: return {QColor(0x58, 0x20, 0x78), QColor(0xA0, 0x70, 0xC8), Pattern::Stripes, false};
    case 60: return {QColor(0x0C, 0x60, 0x68), QColor(0x60, 0xB8, 0xB8), Pattern::Dots, false};
    case 61: return {QColor(0x8C, 0x48, 0x10), QColor(0xE0, 0xA0, 0x50), Pattern::Waves, false};
    case 62: return {QColor(0x16, 0x32, 0x8C), QColor(0x60, 0x88, 0xE0), Pattern::Lattice, true};
    case 63: return {QColor(0x9C, 0x10, 0x18), QColor(0xE0, 0x60, 0x60), Pattern::Dots, true};
    case 64: return {QColor(0x0E, 0x5A, 0x2A), QColor(0x80, 0xC8, 0x80), Pattern::Frames, false};
    case 65: return {QColor(0x10, 0x20, 0x50), QColor(0x70, 0x88, 0xC0), Pattern::Frames, false};
    case 66: return {QColor(0x70, 0x10, 0x20), QColor(0xC8, 0x70, 0x70), Pattern::Checks, false};
    default: return {QColor(0x40, 0x48, 0x58), QColor(0x98, 0xA4, 0xB8), Pattern::Waves, true};
    }
}

// ---- Small pictures. ----

// The deck's own surface: a tiny fan of cards in flat, 16-colour style.
void drawDeckSurface(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor navy(0, 0, 128), blue(0, 0, 255), red(255, 0, 0);
    for (int i = 0; i < 3; ++i) {
        const QRect card(1 + i * 4, 1 + i * 3, 20, 28); // outer pixels, outline included
        p.fillRect(card, Qt::black);
        p.fillRect(card.adjusted(1, 1, -1, -1), Qt::white);
        if (i < 2) {
            const QRect inner = card.adjusted(2, 2, -2, -2);
            p.fillRect(inner, navy);
            p.setPen(QPen(blue, 0));
            p.setClipRect(inner);
            for (int d = -inner.height(); d < inner.width(); d += 4)
                p.drawLine(inner.left() + d, inner.top(), inner.left() + d + inner.height(), inner.bottom());
            p.setClipping(false);
        }
    }
    // The top card lies face up: an ace of hearts.
    const QRect top(9, 7, 20, 28);
    p.fillRect(QRect(top.right() + 1, top.top() + 2, 2, top.height()), QColor(128, 128, 128));
    p.fillRect(QRect(top.left() + 2, top.bottom() + 1, top.width(), 2), QColor(128, 128, 128));
    p.fillRect(top, Qt::black);
    p.fillRect(top.adjusted(1, 1, -1, -1), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, true); // an aliased heart this small turns lumpy
    p.fillPath(QTransform::fromTranslate(19, 21).scale(12, 12).map(suitPath(Hearts)), red);
}

void drawToolbarNew(QPainter &p)
{
    const QPen edge(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.fillPath(page, Qt::white);
    p.strokePath(page, edge);
    QPainterPath fold; // the dog-ear
    fold.moveTo(9.5, 0.5);
    fold.lineTo(9.5, 4.5);
    fold.lineTo(13.5, 4.5);
    fold.closeSubpath();
    p.fillPath(fold, QColor(192, 192, 192));
    p.strokePath(fold, edge);
}

void drawToolbarOpen(QPainter &p)
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
    p.fillPath(back, QColor(0xC8, 0x98, 0x10));
    p.strokePath(back, edge);
    p.fillRect(QRectF(3, 6, 8, 3), Qt::white); // a sheet peeking out
    QPainterPath flap;
    flap.moveTo(1.5, 13.5);
    flap.lineTo(4.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(12.5, 13.5);
    flap.closeSubpath();
    p.fillPath(flap, QColor(0xF8, 0xD8, 0x40));
    p.strokePath(flap, edge);
}

void drawToolbarSave(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(13.5, 1.5);
    disk.lineTo(14.5, 2.5);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(disk, QColor(0x20, 0x30, 0x90));
    p.strokePath(disk, QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.fillRect(QRectF(4, 2, 8, 5), QColor(0xC8, 0xC8, 0xD0)); // metal shutter
    p.fillRect(QRectF(9, 3, 2, 3), QColor(0x20, 0x30, 0x90));
    p.fillRect(QRectF(3, 9, 10, 5), Qt::white); // label
    p.fillRect(QRectF(4, 10, 8, 1), QColor(0x80, 0x80, 0x80));
    p.fillRect(QRectF(4, 12, 6, 1), QColor(0x80, 0x80, 0x80));
}

void drawToolbarScores(QPainter &p)
{
    p.fillRect(QRectF(2, 2, 12, 13), Qt::black);
    p.fillRect(QRectF(3, 3, 10, 11), QColor(0xFF, 0xF4, 0x90));
    p.fillRect(QRectF(2, 1, 12, 3), QColor(0xA0, 0x10, 0x10)); // binding
    for (int y = 6; y <= 12; y += 2)
        p.fillRect(QRectF(4, y, 8, 1), QColor(0x40, 0x60, 0xD0));
    p.fillRect(QRectF(5, 5, 1, 9), QColor(0xE0, 0x40, 0x40)); // margin
}

void drawToolbarHelp(QPainter &p)
{
    QPainterPath mark;
    mark.moveTo(4.8, 5.2);
    mark.cubicTo(4.8, 2.8, 6.3, 2, 8, 2);
    mark.cubicTo(9.9, 2, 11.2, 3.2, 11.2, 4.8);
    mark.cubicTo(11.2, 7, 8.2, 7.4, 8.2, 9.8);
    mark.lineTo(8.2, 10.4);
    // Dark rim under a bright stroke, in the manner of classic toolbar art.
    p.strokePath(mark, QPen(QColor(0, 0, 0x70), 4.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.fillRect(QRectF(5.9, 11.9, 4.6, 4.1), QColor(0, 0, 0x70));
    p.strokePath(mark, QPen(QColor(0x20, 0x60, 0xF0), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.fillRect(QRectF(6.9, 12.9, 2.6, 2.1), QColor(0x20, 0x60, 0xF0));
}

// Program icon: a face-down card behind a face-up ace of hearts.
// Works in device pixels so the small sizes get their own crisp, untilted geometry.
void drawIcon(QPainter &p, int n)
{
    const double pen = std::max(1.0, std::round(n / 40.0));
    auto card = [&](const QRectF &r, double angle, bool faceUp) {
        p.save();
        p.translate(r.center());
        p.rotate(angle);
        const QRectF box(-r.width() / 2, -r.height() / 2, r.width(), r.height());
        const double radius = std::max(1.0, r.width() / 10);
        QPainterPath outer, paper;
        outer.addRoundedRect(box, radius, radius);
        paper.addRoundedRect(box.adjusted(pen, pen, -pen, -pen), radius - pen / 2, radius - pen / 2);
        p.fillPath(outer, kInk);
        p.fillPath(paper, Qt::white);
        if (!faceUp) {
            const double m = pen + std::max(1.0, std::round(r.width() / 14));
            const QRectF inner = box.adjusted(m, m, -m, -m);
            p.fillRect(inner, kGameBack.ground);
            if (n >= 32) {
                p.save();
                p.setClipRect(inner);
                p.setRenderHint(QPainter::Antialiasing, angle != 0);
                const double width = std::max(1.0, n / 128.0);
                // An SVG drawing cannot clip, so there each line is a band cut to the edge by hand.
                const bool cutByHand = p.paintEngine()->type() == QPaintEngine::SVG;
                p.setPen(cutByHand ? QPen(Qt::NoPen) : QPen(kGameBack.line, width));
                p.setBrush(kGameBack.line);
                const QPointF a(width / std::numbers::sqrt2, 0); // half the band's width along a row
                auto line = [&](QPointF from, QPointF to) {
                    if (cutByHand)
                        p.drawPolygon(QPolygonF(inner).intersected(QPolygonF({from - a, from + a, to + a, to - a})));
                    else
                        p.drawLine(from, to);
                };
                const double step = std::max(4.0, n / 20.0), h = inner.height();
                for (double d = -h; d < inner.width() + h; d += step) {
                    line(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d + h, inner.bottom()));
                    line(QPointF(inner.left() + d, inner.bottom()), QPointF(inner.left() + d + h, inner.top()));
                }
                p.restore();
            }
        } else {
            const double size = r.width() * (n >= 64 ? 0.58 : 0.7);
            const double drop = n >= 64 ? r.height() * 0.07 : 0;
            p.fillPath(QTransform::fromTranslate(0, drop).scale(size, size).map(suitPath(Hearts)), kRed);
            if (n >= 64) { // room for a corner index
                QFont f = rankFont(r.width() * 0.22);
                p.setFont(f);
                p.setPen(kRed);
                drawCentredText(p, QStringLiteral("A"), box.left() + r.width() * 0.17, box.top() + r.width() * 0.27);
                drawPip(p, Hearts, QPointF(box.left() + r.width() * 0.17, box.top() + r.width() * 0.38), r.width() * 0.13);
            }
        }
        p.restore();
    };
    if (n < 40) {
        const int k = n / 16;
        card(QRectF(0, 0, 10 * k, 13 * k), 0, false);
        card(QRectF(5 * k, 3 * k, 11 * k, 13 * k), 0, true);
    } else {
        const double w = 0.56 * n, h = 0.78 * n;
        card(QRectF(0.36 * n - w / 2, 0.45 * n - h / 2, w, h), -12, false);
        card(QRectF(0.62 * n - w / 2, 0.55 * n - h / 2, w, h), 9, true);
    }
}

void drawLogo(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 286, 333), kTable);
    // A soft glow behind the moose lifts it off the table.
    QRadialGradient glow(QPointF(143, 130), 150);
    glow.setColorAt(0, QColor(0x40, 0xB0, 0x40));
    glow.setColorAt(1, QColor(0x40, 0xB0, 0x40, 0));
    p.fillRect(QRectF(0, 0, 286, 333), glow);

    // The moose peers over the hand of cards it holds.
    p.save();
    p.translate(143, 118);
    p.scale(100, 100);
    drawMoose(p, QColor(0x8A, 0x52, 0x24), QColor(0xF0, 0xCC, 0x60), QColor(0x30, 0x18, 0x08));
    p.restore();

    const int cards[5] = {59, 12, 39, 24, 52};
    const double angles[5] = {-36, -18, 0, 18, 36};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(143, 330);
        p.rotate(angles[i]);
        p.translate(0, -120);
        p.scale(1.35, 1.35);
        p.translate(-kCardW / 2, -kCardH / 2);
        // A soft shadow keeps overlapping cards apart.
        QPainterPath shadow;
        shadow.addRoundedRect(QRectF(-2, 1, kCardW, kCardH), 4, 4);
        p.fillPath(shadow, QColor(0, 0, 0, 70));
        if (cards[i] == 59)
            drawBack(p, kCardW, kCardH, kGameBack);
        else
            drawFace(p, cards[i]);
        p.restore();
    }
}

// ---- Output. ----

bool g_failed = false;

void save(const QString &dir, const QString &name, int w, int h, const std::function<void(QPainter &, int)> &draw)
{
    if (g_failed) // one complaint is enough; the rest would fail the same way
        return;
    for (int scale : {1, 2}) {
        QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        draw(p, scale);
        p.end();
        QString file = dir + QLatin1Char('/') + name;
        if (scale == 2)
            file.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(file));
            g_failed = true;
            return;
        }
    }
}

// The scalable icon is the 256-pixel drawing, whose detail suits any large size.
void saveIconSvg(const QString &file)
{
    if (g_failed)
        return;
    constexpr int n = 256;
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(n, n));
    svg.setViewBox(QRect(0, 0, n, n));
    svg.setTitle(QStringLiteral("Brightmoose Derudirodozir"));
    svg.setDescription(QStringLiteral("A face-down card behind a face-up ace of hearts"));
    QPainter p;
    if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !p.begin(&svg)) {
        std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(file));
        g_failed = true;
        return;
    }
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawIcon(p, n);
    p.end();
}

// Stays silent on success: a build log only needs to hear about real trouble.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "cardgen: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) // drawing needs no screen
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cardgen <output directory>\n");
        return 2;
    }
    // Corner indices are tuned to this face; a stand-in would misalign them.
    if (QFontInfo(rankFont(11)).family() != QLatin1String("DejaVu Sans")) {
        std::fprintf(stderr, "cardgen: font \"DejaVu Sans\" not found (install fonts-dejavu-core)\n");
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);

    for (int i = 0; i <= 67; ++i) {
        const QString name = QStringLiteral("cards/face%1.png").arg(i, 2, 10, QLatin1Char('0'));
        if (i < 54 || i == 57 || i == 59) {
            save(out, name, int(kCardW), int(kCardH), [i](QPainter &p, int) {
                if (i < 54)
                    drawFace(p, i);
                else if (i == 57)
                    drawCardBlank(p, kCardW, kCardH);
                else
                    drawBack(p, kCardW, kCardH, kGameBack);
            });
        } else {
            save(out, name, int(kBigW), int(kBigH),
                 [i](QPainter &p, int) { drawBack(p, kBigW, kBigH, bigPicture(i)); });
        }
    }
    save(out, QStringLiteral("deck/surface.png"), 32, 39, [](QPainter &p, int) { drawDeckSurface(p); });
    save(out, QStringLiteral("toolbar/new.png"), 16, 16, [](QPainter &p, int) { drawToolbarNew(p); });
    save(out, QStringLiteral("toolbar/open.png"), 16, 16, [](QPainter &p, int) { drawToolbarOpen(p); });
    save(out, QStringLiteral("toolbar/save.png"), 16, 16, [](QPainter &p, int) { drawToolbarSave(p); });
    save(out, QStringLiteral("toolbar/highscores.png"), 16, 16, [](QPainter &p, int) { drawToolbarScores(p); });
    save(out, QStringLiteral("toolbar/help.png"), 16, 16, [](QPainter &p, int) { drawToolbarHelp(p); });
    for (int n : {16, 32, 48, 64, 128, 256}) {
        save(out, QStringLiteral("icon/icon%1.png").arg(n), n, n, [n](QPainter &p, int scale) {
            p.resetTransform();
            drawIcon(p, n * scale);
        });
    }
    saveIconSvg(out + QStringLiteral("/icon/icon.svg"));
    save(out, QStringLiteral("logo/logo.png"), 286, 333, [](QPainter &p, int) { drawLogo(p); });
    return g_failed ? 1 : 0;
}
