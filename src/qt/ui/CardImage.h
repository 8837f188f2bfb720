#pragma once

#include <QPixmap>
#include <QWidget>

namespace bmd::ui {

// One place of the table: shows the picture it was given (shared, never
// copied) at the picture's size and reports a click with its index. Hidden,
// it takes no clicks.
class CardImage : public QWidget {
    Q_OBJECT

public:
    CardImage(int index, QWidget* parent);

    int Index() const { return index_; }

    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);

Q_SIGNALS:
    void Clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QPixmap picture_;
    bool pressed_ = false;
};

} // namespace bmd::ui
