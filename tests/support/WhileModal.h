#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// While alive, looks every 20 ms for an open modal window of type T and hands
// it to act, which is expected to close it sooner or later.
template <typename T>
struct WhileModal {
    explicit WhileModal(std::function<void(T*)> act) : act_(std::move(act))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget()); window != nullptr && !busy_) {
                busy_ = true;
                act_(window);
                busy_ = false;
            }
        });
        poll_.start(20);
    }

    std::function<void(T*)> act_;
    QTimer poll_;
    bool busy_ = false;
};
