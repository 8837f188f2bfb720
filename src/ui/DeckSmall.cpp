#include "ui/DeckSmall.h"

#include "ui/MessageBoxes.h"
#include "ui/WindowStyle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>

#include <limits>

namespace bmd::ui {

QPixmap LoadArt(const QString& name)
{
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() >= 1.5) {
        QString twin = name;
        twin.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QPixmap sharp(QStringLiteral(":/art/") + twin);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/art/") + name);
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    return values_.value(name, defaultValue);
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue)
{
    if (value == defaultValue) {
        values_.remove(name);
    } else {
        values_.insert(name, value);
    }
}

DeckSmall::DeckSmall(QWidget* parent) : QWidget(parent)
{
    // Every picture is decoded here, once; turning a card later only hands
    // out a shared reference.
    for (int index = 0; index < kPictureCount; ++index) {
        Face[index] = LoadArt(QStringLiteral("cards/face%1.png").arg(index, 2, 10, QLatin1Char('0')));
    }
    Image1 = LoadArt(QStringLiteral("deck/surface.png"));
    setFixedSize(Px(kWidthTwips), Px(kHeightTwips));
}

void DeckSmall::ShowAboutBox()
{
    ShowMessage(window(), QStringLiteral("Brightmoose card picture deck: 54 cards, two jokers and a back."));
}

void DeckSmall::SetPicture(const QPixmap& picture)
{
    m_Picture = picture;
    emit PropertyChanged(QStringLiteral("Picture"));
}

void DeckSmall::SetChangeCard(std::int32_t k)
{
    m_ChangeCard = k;
    emit PropertyChanged(QStringLiteral("ChangeCard"));
    // The picture index is a 16-bit number: a k whose k - 1 does not fit is
    // as invalid as one outside the deck.
    const std::int64_t index = static_cast<std::int64_t>(k) - 1;
    if (index < std::numeric_limits<std::int16_t>::min() ||
        index > std::numeric_limits<std::int16_t>::max() || index < 0 || index >= kPictureCount) {
        ShowMessage(window(), QStringLiteral("Invalid Property Setting!"));
        return;
    }
    SetPicture(Face[static_cast<std::size_t>(index)]);
}

void DeckSmall::InitProperties()
{
    setFixedSize(Px(kWidthTwips), Px(kHeightTwips));
    m_ChangeCard = 54;
}

void DeckSmall::ReadProperties(const PropertyBag& bag)
{
    SetPicture(Face[54]);
    m_ChangeCard = bag.ReadProperty(QStringLiteral("ChangeCard"), 54).toInt();
}

void DeckSmall::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Picture"),
                      m_Picture.isNull() ? QVariant() : QVariant::fromValue(m_Picture), QVariant());
    bag.WriteProperty(QStringLiteral("ChangeCard"), m_ChangeCard, 54);
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
