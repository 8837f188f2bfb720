#pragma once

#include <QProxyStyle>

namespace bmd::ui {

// The platform's style, with the few standard pictures the game's windows
// ask for at start-up (the extension arrows of the menu bar and toolbar) read
// as the PNG files they are: a picture of unknown format would make Qt load
// every image plugin to find out.
class GameStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace bmd::ui
