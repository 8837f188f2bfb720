#include "ui/WindowStyle.h"
#include "ui/frmBrightmooseConcentration.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QDate>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brightmoose Software"));
    QApplication::setApplicationName(QStringLiteral("Brightmoose Derudirodozir"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    bmd::ui::InstallFontSubstitutes();

    std::unique_ptr<bmd::ui::frmBrightmooseConcentration> mainWindow;
    auto* splash = new bmd::ui::frmSplash(
        [] {},
        [&mainWindow] {
            mainWindow = std::make_unique<bmd::ui::frmBrightmooseConcentration>();
            mainWindow->show();
        },
        QDate::currentDate().year());
    splash->show();
    return QApplication::exec();
}
