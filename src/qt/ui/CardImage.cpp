#include "CardImage.h"

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
    // Pixel for pixel: the picture is made for the screen's scale, and a
    // painter that scales it again would shift its fine lines by parts of a
    // pixel. A picture of another scale, for a moment, is scaled smoothly.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = picture_.devicePixelRatio();
    painter.scale(1 / ratio, 1 / ratio);
    painter.drawPixmap(QRectF(QPointF(0, 0), picture_.size()), picture_, QRectF(picture_.rect()));
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
        Q_EMIT Clicked(index_);
    }
}

} // namespace bmd::ui
