#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace bmd::ui {

// The game's message boxes: no icon, the application's title, OK only or
// Yes/No with Yes the default. Tests replace the boxes with a handler so that
// no modal loop blocks them; the handler returns the button "pressed".
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QWidget* parent;
    QString text;
    MessageButtons buttons;
};
using MessageHandler = std::function<MessageAnswer(const MessageRequest&)>;

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons = MessageButtons::Ok);

// Installs a replacement for the real boxes (an empty handler restores them).
void SetMessageHandlerForTesting(MessageHandler handler);

} // namespace bmd::ui
