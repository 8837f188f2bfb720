#pragma once

#include "common/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// While alive, answers every message box as it opens, in place of a player
// (OK, or the chosen answer to a Yes/No question), and keeps the texts shown
// and the windows they stood over. A message that stays open while the game
// goes on is left open; what it says instead later is kept too.
struct RecordedMessages : QObject {
    QStringList texts;
    QList<QWidget*> parents;
    bmd::ui::MessageAnswer answer = bmd::ui::MessageAnswer::No;

    RecordedMessages()
    {
        qApp->installEventFilter(this);
        QObject::connect(&poll_, &QTimer::timeout, this, [this] {
            for (auto& [box, said] : open_) {
                if (box && box->text() != said) {
                    said = box->text();
                    texts << said;
                    parents << nullptr;
                }
            }
        });
        poll_.start(10);
    }
    ~RecordedMessages() override { qApp->removeEventFilter(this); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (box == nullptr || event->type() != QEvent::Show || box->property("recorded").toBool()) {
            return false;
        }
        box->setProperty("recorded", true);
        texts << box->text();
        parents << box->parentWidget();
        if (box->testAttribute(Qt::WA_DeleteOnClose)) { // stays open while the game goes on
            open_.append({box, box->text()});
            return false;
        }
        const QMessageBox::StandardButton pressed = !box->button(QMessageBox::Yes)          ? QMessageBox::Ok
                                                    : answer == bmd::ui::MessageAnswer::Yes ? QMessageBox::Yes
                                                                                            : QMessageBox::No;
        QTimer::singleShot(0, box, [box, pressed] { box->button(pressed)->click(); });
        return false;
    }

private:
    QList<std::pair<QPointer<QMessageBox>, QString>> open_;
    QTimer poll_;
};
