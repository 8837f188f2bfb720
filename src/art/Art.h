#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace bmd::art {

// A picture drawn by the art generator and built into the program, by its
// name under the art folder ("cards/face00.png"). On screens scaled by 1.5 or
// more its twice-as-large twin is taken, so the picture stays sharp at the
// same size; the twins are read only there.
QPixmap LoadArt(const QString& name);

// A PNG picture from a file or resource. Naming the format spares Qt the
// search through every image plugin (and the libraries they load) for one
// that reads it.
QPixmap ReadPng(const QString& path);

// The one program icon of every window, up to 64 pixels.
QIcon ProgramIcon();

} // namespace bmd::art
