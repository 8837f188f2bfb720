#pragma once

#include <QPointer>
#include <QString>

#include <functional>

class QMessageBox;
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

// A message, OK only, that stays open while the game goes on, so that the
// game can change what it says when it no longer holds, or close it. With a
// replacement handler installed, the handler sees each text, and the message
// counts as open until Close.
class Notice {
public:
    Notice() = default;
    ~Notice();
    Notice(const Notice&) = delete;
    Notice& operator=(const Notice&) = delete;

    void Show(QWidget* parent, const QString& text);
    // Says something else instead, if the message is still open.
    void Replace(const QString& text);
    void Close();

private:
    QPointer<QMessageBox> box_;
    bool recorded_ = false; // shown to the replacement handler and not closed
};

} // namespace bmd::ui
