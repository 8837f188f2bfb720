#include "shell/HyperJump.h"

#include <QDesktopServices>
#include <QUrl>

namespace bmd::shell {

void HyperJump(const QString& address)
{
    // The result is of no use: no browser or no handler means nothing happens.
    (void)QDesktopServices::openUrl(QUrl(address));
}

} // namespace bmd::shell
