#pragma once

#include "common/MessageBoxes.h"

#include <QStringList>

#include <optional>

// While alive, answers every message box in place of a player (OK, or the
// chosen answer to a Yes/No question) and keeps the texts shown.
struct RecordedMessages {
    QStringList texts;
    QList<QWidget*> parents;
    bmd::ui::MessageAnswer answer = bmd::ui::MessageAnswer::No;

    RecordedMessages()
    {
        bmd::ui::SetMessageHandlerForTesting([this](const bmd::ui::MessageRequest& request) {
            texts << request.text;
            parents << request.parent;
            return request.buttons == bmd::ui::MessageButtons::YesNo ? answer : bmd::ui::MessageAnswer::Ok;
        });
    }
    ~RecordedMessages() { bmd::ui::SetMessageHandlerForTesting({}); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;
};
