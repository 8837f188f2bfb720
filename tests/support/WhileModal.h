#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

// While alive, looks every 20 ms for an open modal window of type T and hands
// it to act, which is expected to close it sooner or later. Whatever modal
// window is still open after 5 s is closed, so that a failing test cannot hang.
template <typename T>
class WhileModal {
public:
    explicit WhileModal(std::function<void(T*)> act) : act_(std::move(act))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* open = QApplication::activeModalWidget();
            if (open != nullptr && since_.hasExpired(5000)) {
                open->close();
            } else if (auto* window = qobject_cast<T*>(open); window != nullptr && !busy_) {
                busy_ = true;
                act_(window);
                busy_ = false;
            }
        });
        since_.start();
        poll_.start(20);
    }

private:
    std::function<void(T*)> act_;
    QTimer poll_;
    QElapsedTimer since_;
    bool busy_ = false;
};
