#include "ui/WindowStyle.h"
#include "ui/frmBrightmooseConcentration.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brightmoose Software"));
    QApplication::setApplicationName(QStringLiteral("Brightmoose Derudirodozir"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    bmd::ui::InstallFontSubstitutes();

    bmd::ui::frmBrightmooseConcentration mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
