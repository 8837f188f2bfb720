#pragma once

#include "seam/GameWindow.h"

#include <QWidget>

#include <array>
#include <cstdint>

namespace bmd::ui {

class CardImage;
class DeckSmall;

// The green table of the main window: the 54 card images in six rows of nine
// and the picture deck Deck1 that every picture comes from. It shows what the
// game tells it and reports clicks on cards by their index.
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

signals:
    void CardClicked(int index);

private:
    // A card turns by taking the deck's picture of the face.
    void TurnTo(int index, std::int32_t face);

    std::array<CardImage*, kCardCount> imgCard{};
    DeckSmall* Deck1 = nullptr;
};

} // namespace bmd::ui
