#pragma once

#include <QWidget>

namespace bmd::ui {

// Says a short text through the screen reader, without a word on the screen:
// an empty widget that assistive technology sees as a notification named by
// the text, shown anew for each text. Screen readers speak a notification
// when it appears, where they ignore changed names of cells and labels.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void Say(const QString& text);
};

} // namespace bmd::ui
