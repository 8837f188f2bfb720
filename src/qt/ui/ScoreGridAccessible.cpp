#include "ScoreGridAccessible.h"

#include "AccessibleTable.h"
#include "frmHighScores.h"

#include <QTableWidget>

#include <algorithm>
#include <vector>

namespace bmd::ui {

namespace {

class ScoreGridAccessible;

// One place of the high-score grid in Qt's own order of a table's children:
// row and column -1 are the hidden headers, row 0 the header drawn in the grid.
class ScoreCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ScoreCell(ScoreGridAccessible* grid, int row, int column) : grid_(grid), row_(row), column_(column) {}

    QTableWidget* Grid() const;
    bool Drawn() const { return row_ >= 0 && column_ >= 0; }

    bool isValid() const override { return Grid() != nullptr; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name || (row_ <= 0 && !Drawn())) {
            return {};
        }
        if (column_ < 0) {
            return QString::number(row_);
        }
        // A screen reader reads a place's row cell by cell: the score says its
        // rank first, "1, 41".
        const QString text = Grid()->item(row_, column_)->text();
        return row_ > 0 && column_ == 0 ? QStringLiteral("%1, %2").arg(row_).arg(text) : text;
    }
    QAccessible::Role role() const override
    {
        if (row_ <= 0 && !Drawn()) {
            return QAccessible::Pane;
        }
        if (column_ < 0) {
            return QAccessible::RowHeader;
        }
        return row_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !Drawn();
        if (Drawn()) {
            state.focusable = true;
            state.focused = Grid()->hasFocus() && Grid()->currentRow() == row_ && Grid()->currentColumn() == column_;
            state.selectable = row_ > 0;
            state.selected = row_ > 0 && isSelected();
        }
        return state;
    }
    QRect rect() const override
    {
        if (!Drawn()) {
            return {};
        }
        const QRect place = Grid()->visualItemRect(Grid()->item(row_, column_));
        return {Grid()->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && row_ > 0 && column_ >= 0
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return Grid()->item(row_, column_)->isSelected(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    ScoreGridAccessible* grid_;
    int row_;
    int column_;
};

// The high-score grid: "Score" and "Player" (its drawn first row) head the
// columns, and each of the ten places is a row headed by its rank. The
// children keep the order of Qt's tables (a corner, the hidden column
// headers, then each row's hidden row header and its cells), in which the
// grid itself counts them when it reports the focus and the selection.
class ScoreGridAccessible : public AccessibleTable {
public:
    explicit ScoreGridAccessible(QTableWidget* grid) : AccessibleTable(grid, QAccessible::Table)
    {
        cells_.resize(static_cast<std::size_t>(childCount()));
    }
    ~ScoreGridAccessible() override
    {
        for (const QAccessible::Id id : cells_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    QTableWidget* Grid() const { return static_cast<QTableWidget*>(widget()); }
    static int ChildIndex(int row, int column) { return (row + 1) * (kColumns + 1) + column + 1; }

    int childCount() const override { return (kRows + 1) * (kColumns + 1); }
    QAccessibleInterface* child(int n) const override
    {
        if (n < 0 || n >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = cells_[static_cast<std::size_t>(n)];
        if (id == 0) {
            auto* self = const_cast<ScoreGridAccessible*>(this);
            id = QAccessible::registerAccessibleInterface(
                new ScoreCell(self, n / (kColumns + 1) - 1, n % (kColumns + 1) - 1));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        // Asking for the id of no interface would register it.
        if (child == nullptr) {
            return -1;
        }
        const auto found = std::find(cells_.begin(), cells_.end(),
                                     QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)));
        return found != cells_.end() ? static_cast<int>(found - cells_.begin()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex place = Grid()->indexAt(Grid()->viewport()->mapFromGlobal(QPoint(x, y)));
        return place.isValid() ? child(ChildIndex(place.row(), place.column())) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const QModelIndex current = Grid()->currentIndex();
        return Grid()->hasFocus() && current.isValid() ? child(ChildIndex(current.row(), current.column())) : nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < kRows - 1 && column >= 0 && column < kColumns ? child(ChildIndex(row + 1, column))
                                                                               : nullptr;
    }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const QTableWidgetItem* item : Grid()->selectedItems()) {
            cells << child(ChildIndex(item->row(), item->column()));
        }
        return cells;
    }
    QString columnDescription(int column) const override { return Grid()->item(0, column)->text(); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows - 1; }

private:
    static constexpr int kRows = 11; // the header and the ten places
    static constexpr int kColumns = 2;
    mutable std::vector<QAccessible::Id> cells_;
};

QTableWidget* ScoreCell::Grid() const
{
    return grid_->Grid();
}

QAccessibleInterface* ScoreCell::parent() const
{
    return grid_;
}

QList<QAccessibleInterface*> ScoreCell::columnHeaderCells() const
{
    return {grid_->child(ScoreGridAccessible::ChildIndex(0, column_))};
}

QList<QAccessibleInterface*> ScoreCell::rowHeaderCells() const
{
    return {grid_->child(ScoreGridAccessible::ChildIndex(row_, -1))};
}

} // namespace

QAccessibleInterface* ScoreGridAccessibleFor(const QString& className, QObject* object)
{
    // Asked while the grid is being built, before it has its name: the
    // high-score window holds no other table.
    if (className == QLatin1String("QTableWidget")
        && qobject_cast<frmHighScores*>(static_cast<QWidget*>(object)->window()) != nullptr) {
        return new ScoreGridAccessible(static_cast<QTableWidget*>(object));
    }
    return nullptr;
}

} // namespace bmd::ui
