#pragma once

#include <QMap>
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <array>
#include <cstdint>

namespace bmd::ui {

// Named values that a control stores with its window and reads back when the
// window loads. A value equal to its default is not written.
class PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);
    bool Contains(const QString& name) const { return values_.contains(name); }

private:
    QMap<QString, QVariant> values_;
};

// The card picture deck: holds the 68 pictures and hands out one at a time.
// Setting ChangeCard to a face number k makes Picture the picture k - 1. The
// control's own surface is one small fixed picture; the cards are never drawn
// by it.
class DeckSmall : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPictureCount = 68;
    static constexpr int kWidthTwips = 480;
    static constexpr int kHeightTwips = 585;

    explicit DeckSmall(QWidget* parent = nullptr);

    void ShowAboutBox();

    QPixmap Picture() const { return m_Picture; }
    void SetPicture(const QPixmap& picture);

    std::int32_t ChangeCard() const { return m_ChangeCard; }
    void SetChangeCard(std::int32_t k);

    // The control's life: a new instance, a stored instance loaded with its
    // window, and an instance saved with its window.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    const QPixmap& FacePicture(int index) const { return Face.at(index); }

signals:
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QPixmap, kPictureCount> Face;
    QPixmap Image1;
    std::int32_t m_ChangeCard = 54;
    QPixmap m_Picture;
};

// Loads a generated picture from the resources, at twice the pixel size on
// screens scaled by 1.5 or more.
QPixmap LoadArt(const QString& name);

} // namespace bmd::ui
