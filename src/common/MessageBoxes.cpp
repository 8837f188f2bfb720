#include "common/MessageBoxes.h"

#include "common/WindowStyle.h"

#include <QMessageBox>

namespace bmd::ui {

namespace {
MessageHandler& TestHandler()
{
    static MessageHandler handler;
    return handler;
}
} // namespace

void SetMessageHandlerForTesting(MessageHandler handler)
{
    TestHandler() = std::move(handler);
}

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons)
{
    if (TestHandler()) {
        return TestHandler()({parent, text, buttons});
    }
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::NoButton, parent);
    // File names and addresses in a message can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace bmd::ui
