#include "frmAbout.h"

#include "Art.h"
#include "BuildInfo.h"
#include "Copyright.h"
#include "WindowStyle.h"

#include <QDate>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace bmd::ui {

frmAbout::frmAbout(QWidget* owner, int year) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Brightmoose Derudirodozir"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ApplyWindowStyle(this);
    setFixedSize(Px(7200), Px(4875));
    // In the middle of the screen, not over the window that opened it.
    CentreOnScreen(this);

    auto* Image1 = new QLabel(this);
    Image1->setGeometry(Px(120), Px(120), Px(3060), Px(3555));
    // Drawn stretched to this box when the program was built.
    Image1->setPixmap(art::LoadArt(QStringLiteral("logo/about.png"), devicePixelRatioF()));
    Image1->setAccessibleName(LogoName());

    AddCentredLabel(this, QStringLiteral("Brightmoose"), {3240, 120, 3915, 720}, 20.25, true);
    AddCentredLabel(this, QStringLiteral("Derudirodozir"), {3240, 720, 3915, 720}, 24, true);
    AddCentredLabel(this, tr("Version %1").arg(QLatin1String(kVersionText)), {3240, 1560, 3885, 345}, 9.75, true);
    lblCopyright = AddCentredLabel(this, QString::fromStdString(CopyrightNotice(year)), {840, 3960, 3855, 345}, 8.25,
                                   false);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Px(5565), Px(4080), Px(1260), Px(585));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // OK is both the default (Enter) and the cancel button (Esc, which a
    // dialog turns into reject); each unloads the window.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::ShowModal(QWidget* owner)
{
    frmAbout about(owner, QDate::currentDate().year());
    about.exec();
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The engraved separator: a grey line with a white one just below it.
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(Px(90), Px(3765), Px(7080), Px(3765));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(Px(105), Px(3780) + 1, Px(7080), Px(3780) + 1);
}

} // namespace bmd::ui
