#include "HyperJump.h"

#include "MessageBoxes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace bmd::shell {

namespace {

void TellNoBrowser(const QString& address)
{
    // The address can be selected and copied from the message.
    ui::ShowMessage(QApplication::activeWindow(),
                    QCoreApplication::translate("HyperJump",
                                                "The web page could not be opened: no web browser could be "
                                                "started.\n\nIts address is %1")
                        .arg(address));
}

// Hands web addresses to the desktop's opener and watches how it ends: Qt
// only asks whether xdg-open started, and xdg-open also starts where it
// finds no browser, to end with a failure.
class WebOpener : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~WebOpener() override
    {
        // Qt warns of a handler that goes without being taken back.
        for (const QString& scheme : Schemes()) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }

    static QStringList Schemes() { return {QStringLiteral("http"), QStringLiteral("https")}; }

public Q_SLOTS:
    void Open(const QUrl& url)
    {
        const QString address = url.toString();
        // No parent: the opener may wait for the browser it started, and
        // that must outlive the game.
        auto* opener = new QProcess;
        connect(opener, &QProcess::finished, opener, [opener, address](int code, QProcess::ExitStatus status) {
            opener->deleteLater();
            if (status != QProcess::NormalExit || code != 0) {
                TellNoBrowser(address);
            }
        });
        connect(opener, &QProcess::errorOccurred, opener, [opener, address](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                opener->deleteLater();
                TellNoBrowser(address);
            }
        });
        opener->start(QStringLiteral("xdg-open"), {address});
    }
};

} // namespace

void InstallWebOpener()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    auto* opener = new WebOpener(QCoreApplication::instance());
    for (const QString& scheme : WebOpener::Schemes()) {
        QDesktopServices::setUrlHandler(scheme, opener, "Open");
    }
#endif
}

void HyperJump(const QString& address)
{
    if (!QDesktopServices::openUrl(QUrl(address))) {
        TellNoBrowser(address);
    }
}

} // namespace bmd::shell

#include "HyperJump.moc"
