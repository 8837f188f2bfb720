#include "ui/CardTable.h"

#include "common/WindowStyle.h"
#include "ui/CardImage.h"
#include "ui/DeckSmall.h"

namespace bmd::ui {

namespace {

// Card places in pixels from the top left of the client area: 72 apart
// across, 96 down.
QPoint CardPlace(int index)
{
    const int row = index / kColumnCount;
    const int column = index % kColumnCount;
    return {8 + 72 * column, 32 + 96 * row};
}

} // namespace

CardTable::CardTable(int toolbarHeight, QWidget* parent) : QWidget(parent)
{
    for (int i = 0; i < kCardCount; ++i) {
        auto* card = new CardImage(i, this);
        card->setObjectName(QStringLiteral("imgCard%1").arg(i));
        card->setGeometry(QRect(CardPlace(i) - QPoint(0, toolbarHeight), QSize(61, 89)));
        connect(card, &CardImage::Clicked, this, &CardTable::CardClicked);
        imgCard[static_cast<std::size_t>(i)] = card;
    }
    // The deck is a store of pictures, never part of the table.
    Deck1 = new DeckSmall(this);
    Deck1->setObjectName(QStringLiteral("Deck1"));
    Deck1->move(Px(10200), Px(3600) - toolbarHeight);
    Deck1->hide();
}

void CardTable::ShowTable(const CardsOnTable& onTable)
{
    Deck1->SetChangeCard(kBackFace);
    for (int i = 0; i < kCardCount; ++i) {
        CardImage* card = Card(i);
        card->SetPicture(Deck1->Picture());
        card->SetStretch(false);
        card->setVisible(onTable[static_cast<std::size_t>(i)]);
    }
}

void CardTable::ShowFace(int index, std::int16_t face)
{
    TurnTo(index, face);
}

void CardTable::ShowBack(int index)
{
    TurnTo(index, kBackFace);
}

void CardTable::RemovePair(int first, int second)
{
    Card(first)->hide();
    Card(second)->hide();
}

void CardTable::TurnTo(int index, std::int32_t face)
{
    Deck1->SetChangeCard(face);
    Card(index)->SetPicture(Deck1->Picture());
}

} // namespace bmd::ui
