#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace bmd::art {

// A picture drawn by the art generator and built into the program, by its
// name under the art folder ("cards/face00.png"), for a screen scaled by
// devicePixelRatio: it keeps its size and stays sharp. At 1 and 2 the drawn
// picture or its twice-as-large twin is taken as it is; at any other scale
// the nearer of the two is scaled smoothly to the screen's pixels (a painter
// would stretch it pixel by pixel into uneven steps). The twins are read only
// on scaled screens.
QPixmap LoadArt(const QString& name, qreal devicePixelRatio);
// The same for the scale of the program's main screen.
QPixmap LoadArt(const QString& name);

// A PNG picture from a file or resource. Naming the format spares Qt the
// search through every image plugin (and the libraries they load) for one
// that reads it.
QPixmap ReadPng(const QString& path);

// The one program icon of every window, up to 64 pixels.
QIcon ProgramIcon();

} // namespace bmd::art
