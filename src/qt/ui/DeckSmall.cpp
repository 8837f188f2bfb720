#include "DeckSmall.h"

#include "Art.h"
#include "MessageBoxes.h"
#include "WindowStyle.h"

#include <QPainter>
#include <QResizeEvent>

namespace bmd::ui {

DeckSmall::DeckSmall(QWidget* parent) : QWidget(parent), ratio_(devicePixelRatioF())
{
    Image1 = art::LoadArt(QStringLiteral("deck/surface.png"), ratio_);
    setFixedSize(Px(kWidthTwips), Px(kHeightTwips));
}

void DeckSmall::SetDevicePixelRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, ratio_)) {
        return;
    }
    ratio_ = ratio;
    Face.fill(QPixmap());
    Image1 = art::LoadArt(QStringLiteral("deck/surface.png"), ratio_);
    update();
}

const QPixmap& DeckSmall::FacePicture(int index) const
{
    QPixmap& picture = Face.at(static_cast<std::size_t>(index));
    if (picture.isNull()) {
        picture = art::LoadArt(QStringLiteral("cards/face%1.png").arg(index, 2, 10, QLatin1Char('0')), ratio_);
    }
    return picture;
}

const QPixmap& DeckSmall::Picture(std::int32_t k)
{
    static const QPixmap none;
    // In 64 bits, so that k - 1 of the smallest k cannot wrap into the deck.
    const std::int64_t index = static_cast<std::int64_t>(k) - 1;
    if (index < 0 || index >= kPictureCount) {
        ShowMessage(window(), tr("Invalid Property Setting!"));
        return none;
    }
    return FacePicture(static_cast<int>(index));
}

void DeckSmall::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, Image1);
}

void DeckSmall::resizeEvent(QResizeEvent* event)
{
    // The surface is fixed; any other size is put back.
    const QSize fixed(Px(kWidthTwips), Px(kHeightTwips));
    if (event->size() != fixed) {
        resize(fixed);
    }
}

} // namespace bmd::ui
