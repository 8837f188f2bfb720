#pragma once

// A dark desktop theme, as GTK's Adwaita:dark or KDE's Breeze Dark give Qt,
// and the greys a player sees in an area of a window under it.

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace contrast {

// Sets the dark theme for as long as it lives: light text on dark grounds,
// the windows' text a little greyer than the text in text areas.
struct DarkDesktop {
    QPalette before = QApplication::palette();
    DarkDesktop()
    {
        const QColor ground(0x35, 0x35, 0x35);
        QApplication::setPalette(QPalette(QColor(0xee, 0xee, 0xec), ground, Qt::white, Qt::black, Qt::gray, Qt::white,
                                          Qt::white, QColor(0x2a, 0x2a, 0x2a), ground));
    }
    ~DarkDesktop() { QApplication::setPalette(before); }
};

// The darkest and the lightest grey (0 to 255) of `area` as the window shows
// the widget (all of it for an invalid area).
inline std::pair<int, int> Greys(QWidget* widget, QRect area)
{
    area = area.isValid() ? area : widget->rect();
    const QImage image =
        widget->window()->grab(QRect(widget->mapTo(widget->window(), area.topLeft()), area.size())).toImage();
    std::pair<int, int> greys{255, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            greys = {std::min(greys.first, qGray(image.pixel(x, y))), std::max(greys.second, qGray(image.pixel(x, y)))};
        }
    }
    return greys;
}

} // namespace contrast
