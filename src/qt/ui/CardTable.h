#pragma once

#include "GameWindow.h"

#include <QWidget>

#include <array>
#include <cstdint>

namespace bmd::ui {

class CardImage;
class DeckSmall;

// The green table of the main window: the 54 card images in six rows of nine
// and the picture deck Deck1 that every picture comes from. It shows what the
// game tells it and reports clicks on cards by their index.
//
// The table is also the one place of the window that takes the keyboard: the
// arrow keys, Home and End move its focus among the cards still on it, and
// Space or Enter turns the focused card as a click does. A ring in the gap
// around the focused card shows where the focus is, once a key has been used.
class CardTable : public QWidget {
    Q_OBJECT

public:
    // The table lies below the toolbar, whose height it is given: the card
    // places are measured from the top of the window's client area.
    CardTable(int toolbarHeight, QWidget* parent);

    void ShowTable(const CardsOnTable& onTable);
    void ShowFace(int index, std::int16_t face);
    void ShowBack(int index);
    void RemovePair(int first, int second);

    CardImage* Card(int index) const { return imgCard.at(static_cast<std::size_t>(index)); }
    DeckSmall* Deck() const { return Deck1; }

    bool IsOnTable(int index) const { return onTable_.at(static_cast<std::size_t>(index)); }
    bool IsFaceUp(int index) const { return shown_.at(static_cast<std::size_t>(index)) != kBackFace; }
    // The card with the keyboard focus; -1 once no card is left.
    int FocusedCard() const { return focus_; }
    bool FocusMarkShown() const { return markShown_ && focus_ >= 0 && hasFocus(); }
    // What a screen reader says of a card: where it lies and what it shows,
    // "Row 2, card 5, face down" or "Row 2, card 5, queen of hearts".
    QString CardName(int index) const;
    // The face the card shows, or the back's number.
    std::int16_t ShownFace(int index) const { return shown_.at(static_cast<std::size_t>(index)); }
    // "queen of hearts"; "queens", "jokers" for both cards of a pair.
    static QString FaceName(std::int16_t face);
    static QString PairName(std::int16_t face);
    // Turns the card as a click on it does.
    void Press(int index);

Q_SIGNALS:
    void CardClicked(int index);
    // What a screen reader should say now that no focus move says: a face
    // turned up, a key that met the edge.
    void Announce(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // A card turns by taking the deck's picture of the face.
    void TurnTo(int index, std::int16_t face);
    // Heard::Later lets the window speak first, as after a pair.
    enum class Heard { Now, Later };
    void MoveFocus(int index, Heard heard = Heard::Now);
    void ShowFocusMark(bool shown);
    // Tells a screen reader which card has the focus.
    void AnnounceFocus();
    QRect MarkRect(int index) const;
    // Pictures for the scale of the screen the window is on now.
    void FollowScreenScale();

    std::array<CardImage*, kCardCount> imgCard{};
    DeckSmall* Deck1 = nullptr;
    // What the game told the table: the cards on it and the face each shows.
    CardsOnTable onTable_{};
    std::array<std::int16_t, kCardCount> shown_{};
    int focus_ = -1;
    bool markShown_ = false;
};

} // namespace bmd::ui
