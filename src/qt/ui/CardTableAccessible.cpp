#include "CardTableAccessible.h"

#include "AccessibleTable.h"
#include "CardImage.h"
#include "CardTable.h"

#include <algorithm>
#include <vector>

namespace bmd::ui {

namespace {

// The card table: only the cards still on it are its cells; a face-up card
// is selected.
class CardTableAccessible : public AccessibleTable {
public:
    explicit CardTableAccessible(CardTable* table) : AccessibleTable(table, QAccessible::Table) {}

    CardTable* Table() const { return static_cast<CardTable*>(widget()); }
    QAccessibleInterface* Card(int index) const { return QAccessible::queryAccessibleInterface(Table()->Card(index)); }
    std::vector<int> Offered() const
    {
        std::vector<int> cards;
        for (int index = 0; index < kCardCount; ++index) {
            if (Table()->IsOnTable(index)) {
                cards.push_back(index);
            }
        }
        return cards;
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? CardTable::tr("Cards") : AccessibleTable::text(type);
    }
    int childCount() const override { return static_cast<int>(Offered().size()); }
    QAccessibleInterface* child(int n) const override
    {
        const std::vector<int> cards = Offered();
        return n >= 0 && n < static_cast<int>(cards.size()) ? Card(cards[static_cast<std::size_t>(n)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* card = child != nullptr ? qobject_cast<const CardImage*>(child->object()) : nullptr;
        if (card == nullptr || card->parentWidget() != Table() || !Table()->IsOnTable(card->Index())) {
            return -1;
        }
        const std::vector<int> cards = Offered();
        return static_cast<int>(std::find(cards.begin(), cards.end(), card->Index()) - cards.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (const int index : Offered()) {
            QAccessibleInterface* card = Card(index);
            if (card->rect().contains(x, y)) {
                return card;
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return Table()->hasFocus() && Table()->FocusedCard() >= 0 ? Card(Table()->FocusedCard()) : nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const int index = row * kColumnCount + column;
        return row >= 0 && row < kRowCount && column >= 0 && column < kColumnCount && Table()->IsOnTable(index)
                   ? Card(index)
                   : nullptr;
    }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const int index : Offered()) {
            if (Table()->IsFaceUp(index)) {
                cells << Card(index);
            }
        }
        return cells;
    }
    QString columnDescription(int column) const override { return CardTable::tr("Card %1").arg(column + 1); }
    QString rowDescription(int row) const override { return CardTable::tr("Row %1").arg(row + 1); }
    int columnCount() const override { return kColumnCount; }
    int rowCount() const override { return kRowCount; }
};

// A card of the table: named by its place and face, pressed by the screen
// reader's action as by a click. It keeps its place in the table's rows and
// columns but is no table cell: a screen reader reads a whole row of cells
// whenever the focus enters another row, and here only the card landed on
// is news.
class CardAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit CardAccessible(CardImage* card) : QAccessibleWidget(card, QAccessible::ListItem) {}

    CardImage* Card() const { return static_cast<CardImage*>(widget()); }
    CardTable* Table() const { return static_cast<CardTable*>(widget()->parentWidget()); }
    int Index() const { return Card()->Index(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? Table()->CardName(Index()) : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = Table()->hasFocus() && Table()->FocusedCard() == Index();
        // Face up or down is in the name; "selected" would only be said twice.
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            Table()->Press(Index());
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

    bool isSelected() const override { return Table()->IsFaceUp(Index()); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Index() % kColumnCount; }
    int rowIndex() const override { return Index() / kColumnCount; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return QAccessible::queryAccessibleInterface(Table()); }
};

} // namespace

QAccessibleInterface* CardTableAccessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(CardTable::staticMetaObject.className())) {
        return new CardTableAccessible(static_cast<CardTable*>(object));
    }
    if (className == QLatin1String(CardImage::staticMetaObject.className())
        && qobject_cast<CardTable*>(object->parent()) != nullptr) {
        return new CardAccessible(static_cast<CardImage*>(object));
    }
    return nullptr;
}

} // namespace bmd::ui
