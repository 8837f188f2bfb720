#pragma once

// What a player reads off a window: the contrast of text to its ground,
// measured on the window's pixels as the usual accessibility formula does.

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace contrast {

inline double Luminance(QColor colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

inline double Ratio(QColor a, QColor b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

struct Reading {
    double ratio;
    bool darkText;
};

// The ground of `area` (in the widget's coordinates) is its commonest pixel,
// the text its pixel farthest from that; the contrast is theirs.
inline Reading OfText(QWidget* window, const QWidget* widget, QRect area)
{
    const QImage image = window->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    area.moveTopLeft(widget->mapTo(window, area.topLeft()));
    const QRect pixels(QPoint(qCeil(area.left() * ratio), qCeil(area.top() * ratio)),
                       QPoint(qFloor(area.right() * ratio), qFloor(area.bottom() * ratio)));
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QRgb ground = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                            return a.second < b.second;
                        })->first;
    Reading best{1.0, false};
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) {
        const double ratio = Ratio(QColor(ground), QColor(*it));
        if (ratio > best.ratio) {
            best = {ratio, Luminance(QColor(*it)) < Luminance(QColor(ground))};
        }
    }
    return best;
}

// A dark desktop theme: light text on dark grounds, as GTK's Adwaita:dark
// or KDE's Breeze Dark give Qt.
inline QPalette Dark()
{
    QPalette dark;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::WindowText, Qt::white},
                                       {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
                                       {QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
                                       {QPalette::Text, Qt::white},
                                       {QPalette::Button, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::ButtonText, Qt::white},
                                       {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
                                       {QPalette::HighlightedText, Qt::white}}) {
        dark.setColor(role, colour);
    }
    return dark;
}

// Sets the dark palette for as long as it lives.
struct DarkDesktop {
    QPalette before = QApplication::palette();
    DarkDesktop() { QApplication::setPalette(Dark()); }
    ~DarkDesktop() { QApplication::setPalette(before); }
};

} // namespace contrast
