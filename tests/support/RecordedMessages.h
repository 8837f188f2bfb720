#pragma once

#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// While alive, answers every message box as it opens, in place of a player
// (OK, or the chosen answer to a Yes/No question), and keeps the texts shown
// and the windows they stood over. A message that stays open while the game
// goes on is left open, and what it says instead later is kept too.
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
                    parents << nullptr;
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
                const bool yes = box->button(QMessageBox::Yes) && answer == bmd::ui::MessageAnswer::Yes;
                QAbstractButton* press = box->button(yes                            ? QMessageBox::Yes
                                                     : box->button(QMessageBox::No) ? QMessageBox::No
                                                                                    : QMessageBox::Ok);
                QTimer::singleShot(0, press, &QAbstractButton::click);
            }
        }
        return false;
    }

private:
    QList<std::pair<QPointer<QMessageBox>, QString>> open_;
    QTimer poll_;
};
