#pragma once

#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// While alive, answers every message box as it opens, in place of a player
// (OK, or the chosen answer to a Yes/No question), and keeps the texts shown
// and the window each opened over.
// A message that stays open while the game goes on is left open, and what it
// says instead later is kept too.
struct RecordedMessages : QObject {
    QStringList texts;
    QList<QWidget*> parents;
    bmd::ui::MessageAnswer answer = bmd::ui::MessageAnswer::No;

    RecordedMessages()
    {
        qApp->installEventFilter(this);
        connect(&poll_, &QTimer::timeout, this, [this] {
            for (auto& [box, said] : open_) {
                if (box && box->text() != said) {
                    texts << (said = box->text());
                }
            }
        });
        poll_.start(10);
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (box != nullptr && event->type() == QEvent::Show && !box->property("recorded").toBool()) {
            box->setProperty("recorded", true);
            texts << box->text();
            parents << box->parentWidget();
            if (box->testAttribute(Qt::WA_DeleteOnClose)) { // stays open while the game goes on
                open_.append({box, box->text()});
            } else {
                QAbstractButton* press = box->button(answer == bmd::ui::MessageAnswer::Yes ? QMessageBox::Yes
                                                                                           : QMessageBox::No);
                QTimer::singleShot(0, press ? press : box->button(QMessageBox::Ok), &QAbstractButton::click);
            }
        }
        return false;
    }

    QList<std::pair<QPointer<QMessageBox>, QString>> open_;
    QTimer poll_;
};
