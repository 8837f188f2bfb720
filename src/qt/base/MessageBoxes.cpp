#include "MessageBoxes.h"

#include "WindowStyle.h"

#include <QMessageBox>

namespace bmd::ui {

Notice::~Notice()
{
    Close();
}

void Notice::Show(QWidget* parent, const QString& text)
{
    Close();
    box_ = new QMessageBox(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box_->setAttribute(Qt::WA_DeleteOnClose);
    box_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box_->open();
}

void Notice::Replace(const QString& text)
{
    if (box_) {
        box_->setText(text);
    }
}

void Notice::Close()
{
    if (box_) {
        box_->close();
    }
}

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons)
{
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
