#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace bmd::art {

// A picture drawn by the art generator and built into the program, by its
// name under the art folder ("cards/face00.png"). On screens scaled by 1.5 or
// more its twice-as-large twin is taken, so the picture stays sharp at the
// same size.
QPixmap LoadArt(const QString& name);

// The one program icon of every window, at every size the generator draws.
QIcon ProgramIcon();

} // namespace bmd::art
