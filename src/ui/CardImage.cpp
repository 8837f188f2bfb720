#include "ui/CardImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace bmd::ui {

CardImage::CardImage(int index, QWidget* parent) : QWidget(parent), index_(index)
{
}

void CardImage::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (!picture_.isNull()) {
        resize(picture_.deviceIndependentSize().toSize());
    }
    update();
}

void CardImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) {
        return;
    }
    QPainter(this).drawPixmap(0, 0, picture_);
}

// A click is a press and a release of the left button on the same card, as
// on any button; sliding off the card cancels it.
void CardImage::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void CardImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit Clicked(index_);
    }
}

} // namespace bmd::ui
