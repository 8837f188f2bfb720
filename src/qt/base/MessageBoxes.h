#pragma once

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace bmd::ui {

// The game's message boxes: no icon, the application's title, OK only or
// Yes/No with Yes the default. Returns the button pressed.
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons = MessageButtons::Ok);

// A message, OK only, that stays open while the game goes on, so that the
// game can change what it says when it no longer holds, or close it.
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
};

} // namespace bmd::ui
