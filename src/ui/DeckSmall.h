#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <cstdint>

namespace bmd::ui {

// The card picture deck: holds the 68 pictures and hands out one at a time.
// Setting ChangeCard to a face number k makes Picture the picture k - 1. The
// control's own surface is one small fixed picture; the cards are never drawn
// by it. A new deck hands out picture 54 until ChangeCard is first set.
// A picture is decoded when it is first handed out (a fraction of a
// millisecond) and kept: later turns share it, and faces never turned cost
// no memory. The pictures are made for the scale of the screen the deck is
// on; on another scale they are made again, once.
class DeckSmall : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPictureCount = 68;
    static constexpr int kWidthTwips = 480;
    static constexpr int kHeightTwips = 585;

    explicit DeckSmall(QWidget* parent = nullptr);

    QPixmap Picture() const { return m_Picture; }
    void SetPicture(const QPixmap& picture)
    {
        m_Picture = picture;
        pictureIndex_ = -1;
    }

    std::int32_t ChangeCard() const { return m_ChangeCard; }
    // A k outside 1-68 is kept, with the "Invalid Property Setting!" message,
    // and Picture stays as it was.
    void SetChangeCard(std::int32_t k);

    const QPixmap& FacePicture(int index) const;

    qreal DevicePixelRatio() const { return ratio_; }
    // Drops the pictures of the old scale; Picture becomes its twin at the new one.
    void SetDevicePixelRatio(qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    mutable std::array<QPixmap, kPictureCount> Face;
    QPixmap Image1;
    std::int32_t m_ChangeCard = 54;
    QPixmap m_Picture;
    qreal ratio_ = 1.0;
    // The index of m_Picture in Face, or -1 for a picture handed in.
    int pictureIndex_ = -1;
};

} // namespace bmd::ui
