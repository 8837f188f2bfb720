#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <cstdint>

namespace bmd::ui {

// The card picture deck: holds the 68 pictures and hands out the picture of a
// face number k, picture k - 1. The control's own surface is one small fixed
// picture; the cards are never drawn by it. A picture is decoded when it is first handed out (a fraction of a
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

    // The picture of face number k (1 to 68). A k outside that gets the
    // "Invalid Property Setting!" message and no picture (a null one).
    const QPixmap& Picture(std::int32_t k);
    // Picture index (0 to 67), that is, face number index + 1.
    const QPixmap& FacePicture(int index) const;

    qreal DevicePixelRatio() const { return ratio_; }
    // Drops the pictures of the old scale; they are made again at the new one.
    void SetDevicePixelRatio(qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    mutable std::array<QPixmap, kPictureCount> Face;
    QPixmap Image1;
    qreal ratio_ = 1.0;
};

} // namespace bmd::ui
