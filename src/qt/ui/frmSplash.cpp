#include "frmSplash.h"

#include "Art.h"
#include "BuildInfo.h"
#include "Copyright.h"
#include "WindowStyle.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace bmd::ui {

frmSplash::frmSplash(std::function<void()> loadMainWindow, int year, std::chrono::milliseconds started)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), loadMainWindow_(std::move(loadMainWindow))
{
    // The two seconds run from the start of the program: the time it took
    // to get here and the load below count within them.
    Timer1.setSingleShot(true);
    // A coarse timer may fire 5% late: noticeable on a 2 s splash.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(std::max(0, kShowMs - static_cast<int>(started.count())));
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1.start();

    setObjectName(QStringLiteral("frmSplash"));
    // Frameless, it shows no title; a screen reader still says whose it is.
    setAccessibleName(kApplicationTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    // No title bar shows an icon, so the splash loads none.
    ApplyWindowLook(this);
    setFixedSize(Px(7665), Px(4620));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(Px(150), Px(60), Px(7305), Px(4395));
    Frame1->installEventFilter(this);

    auto* imgLogo = new QLabel(Frame1);
    imgLogo->setGeometry(Px(120), Px(240), Px(3135), Px(3615));
    // Drawn stretched to this box when the program was built.
    imgLogo->setPixmap(art::LoadArt(QStringLiteral("logo/splash.png"), devicePixelRatioF()));
    imgLogo->setAccessibleName(LogoName());

    AddCentredLabel(Frame1, QStringLiteral("Brightmoose"), {3345, 600, 3825, 675}, 24, true);
    AddCentredLabel(Frame1, QStringLiteral("Derudirodozir"), {3345, 1560, 3825, 765}, 27.75, true)
        ->setObjectName(QStringLiteral("lblProductName"));
    AddCentredLabel(Frame1, tr("Version %1").arg(QLatin1String(kVersionText)), {3360, 2760, 3795, 345}, 12, true)
        ->setObjectName(QStringLiteral("lblVersion"));
    lblCopyright = AddCentredLabel(Frame1, QString::fromStdString(CopyrightNotice(2011)), {3360, 3480, 3735, 255}, 8.25,
                                   false);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));

    // Nothing on the splash takes the focus, so every key reaches the window.
    setFocusPolicy(Qt::StrongFocus);
    CentreOnScreen(this);

    Form_Load(year);
}

void frmSplash::Form_Load(int year)
{
    if (year != 2011) {
        lblCopyright->setText(QString::fromStdString(CopyrightNotice(year)));
    }
}

void frmSplash::Timer1_Timer()
{
    HandOver();
    close();
}

void frmSplash::HandOver()
{
    if (handedOver_) {
        return;
    }
    handedOver_ = true;
    Timer1.stop();
    if (loadMainWindow_) {
        loadMainWindow_();
    }
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    // Closed by the desktop before its time: the table still comes, rather
    // than the program ending with no window at all.
    HandOver();
    event->accept();
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    // Closing early hands over at once rather than leaving no window at all.
    if (!event->text().isEmpty() || event->key() == Qt::Key_Escape) {
        Timer1_Timer();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    // Only the frame's own surface counts; a click on a label or the logo
    // reaches the frame too, but lands on one of its children.
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease
        && Frame1->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()) == nullptr) {
        Timer1_Timer();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace bmd::ui
