#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

class QFrame;
class QLabel;

namespace bmd::ui {

// The window the program opens with: logo, name, version and notice for two
// seconds, then the main window. A key press or a click on the frame hands
// over at once; either way the hand-over happens exactly once.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMs = 2000;

    // loadMainWindow loads and shows the main window at the hand-over, two
    // seconds after the program started: `started` is how long ago that was.
    frmSplash(std::function<void()> loadMainWindow, int year, std::chrono::milliseconds started = {});

    QLabel* CopyrightLabel() const { return lblCopyright; }
    QFrame* Frame() const { return Frame1; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load(int year);
    void Timer1_Timer();
    void HandOver();

    std::function<void()> loadMainWindow_;
    QFrame* Frame1 = nullptr;
    QLabel* lblCopyright = nullptr;
    QTimer Timer1;
    bool handedOver_ = false;
};

} // namespace bmd::ui
