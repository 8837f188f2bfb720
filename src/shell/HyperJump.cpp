#include "shell/HyperJump.h"

#include "common/MessageBoxes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace bmd::shell {

void HyperJump(const QString& address)
{
    if (!QDesktopServices::openUrl(QUrl(address))) {
        // The address can be selected and copied from the message.
        ui::ShowMessage(QApplication::activeWindow(),
                        QCoreApplication::translate("HyperJump",
                                                    "The web page could not be opened: no web browser could be "
                                                    "started.\n\nIts address is %1")
                            .arg(address));
    }
}

} // namespace bmd::shell
