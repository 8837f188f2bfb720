// The game played from the keyboard, and read as assistive technology reads
// it through Qt's accessibility interfaces (offscreen: no events, but the
// names, roles and states a screen reader asks for).

#include "CardImage.h"
#include "CardTable.h"
#include "RecordedMessages.h"
#include "ScoredTable.h"
#include "WhileModal.h"
#include "frmHighScores.h"

#include <QtTest>
#include <QtWidgets>

using namespace bmd;
using namespace bmd::ui;

namespace {

// Keys as written in the help, "Ctrl+Home Space", one after the other.
void Keys(QWidget* target, const QString& keys)
{
    for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QKeyCombination combination = QKeySequence::fromString(key)[0];
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }
}

QAccessibleInterface* Access(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// What the window said last through its announcer, as a screen reader hears it.
QString Said(QWidget* window)
{
    return Access(window->findChild<QWidget*>(QStringLiteral("Announcer")))->text(QAccessible::Name);
}

QString Name(QAccessibleInterface* item)
{
    return item != nullptr ? item->text(QAccessible::Name) : QStringLiteral("none");
}

// Each child of a table is where it says it is: its index, its place on
// the screen and, for a cell, its row and column.
void ChildrenInPlace(QAccessibleInterface* table)
{
    for (int n = 0; n < table->childCount(); ++n) {
        QAccessibleInterface* child = table->child(n);
        QCOMPARE(table->indexOfChild(child), n);
        if (!child->state().invisible) {
            QCOMPARE(table->childAt(child->rect().center().x(), child->rect().center().y()), child);
        }
        if (const QAccessibleTableCellInterface* cell = child->tableCellInterface()) {
            QCOMPARE(table->tableInterface()->cellAt(cell->rowIndex(), cell->columnIndex()), child);
            QCOMPARE(cell->rowExtent() * cell->columnExtent(), 1);
            QCOMPARE(cell->table(), table);
        }
    }
    QVERIFY(table->child(-1) == nullptr && table->child(table->childCount()) == nullptr);
    QVERIFY(table->indexOfChild(nullptr) == -1 && table->indexOfChild(table) == -1);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    std::optional<RecordedMessages> messages_;
    QTemporaryDir dir_;

private Q_SLOTS:
    void init() { messages_.emplace(); }
    void cleanup() { messages_.reset(); }

    // From the first card still on the table of an opened game (the ordered
    // board with its first pairs found); the arrows stop at the edges.
    void keysMoveTheFocus_data()
    {
        QTest::addColumn<int>("pairsFound");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus");
        QTest::newRow("arrows") << 0 << "Right Right Down Left" << 10;
        QTest::newRow("edges stop") << 0 << "Left Up End Right Ctrl+End Down Right" << 53;
        QTest::newRow("row ends") << 0 << "Down End Home Right" << 10;
        QTest::newRow("row start found") << 3 << "Right Home" << 3;
        QTest::newRow("found skipped") << 3 << "Left Down Down Right Right Right Right Right" << 25;
        QTest::newRow("nearest column") << 9 << "Up Ctrl+End Up Up Up" << 25;
        QTest::newRow("up to a row without the column") << 1 << "Down Left Up" << 1;
        QTest::newRow("table end") << 0 << "Ctrl+End" << 53;
        QTest::newRow("table start found") << 1 << "Right Ctrl+Home" << 1;
        // "|" ends the look: after a pair the focus goes to the nearest card.
        QTest::newRow("nearest after a pair")
            << 0 << "Right Right Space Down Down Down Left Space | Left Space Up Up Up Right Space |" << 0;
        QTest::newRow("table ends") << 9 << "Ctrl+End Ctrl+Home Home" << 9;
        QTest::newRow("other modifiers move nothing") << 0 << "Right Shift+Right Alt+End" << 1;
    }
    void keysMoveTheFocus()
    {
        QFETCH(int, pairsFound);
        QFETCH(QString, keys);
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        CardTable* table = window.Table();
        Keys(table, "Right");
        window.GameLogic().Restore(OrderedRecord(pairsFound, std::int16_t(pairsFound)));
        QCOMPARE(table->FocusedCard(), pairsFound);
        for (const QString& look : keys.split('|')) {
            Keys(table, look);
            window.Timer1_Timer();
        }
        QTEST(table->FocusedCard(), "focus");
        QAccessibleInterface* focused = Access(table)->focusChild();
        QCOMPARE(focused, Access(table->Card(table->FocusedCard())));
        QVERIFY(focused->state().focused);
        table->clearFocus(); // no card has the focus of a table without it
        QVERIFY(Access(table)->focusChild() == nullptr && !focused->state().focused);
    }

    // A pair and a turn of the look by keys, as the screen shows it and as a
    // screen reader hears it.
    void aPairByKeys()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        CardTable* table = window.Table();
        QAccessibleInterface* access = Access(table);
        QCOMPARE(access->role(), QAccessible::Table);
        QAccessibleTableInterface* grid = access->tableInterface();
        QCOMPARE(QStringList({Name(access), grid->rowDescription(1), grid->columnDescription(4)}),
                 QStringList({"Cards", "Row 2", "Card 5"}));
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount(), access->childCount()}), QList<int>({6, 9, 54}));
        QVERIFY(!table->FocusMarkShown() && !grid->cellAt(-1, 0) && !grid->cellAt(6, 0) && !grid->cellAt(0, 9));
        QAccessibleInterface* ace = grid->cellAt(1, 4);
        QCOMPARE(Name(ace), QStringLiteral("Row 2, card 5, face down"));
        QCOMPARE(ace->role(), QAccessible::ListItem); // no table cell: a row is never read whole
        QCOMPARE(ace->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList{"Space"});
        QCOMPARE(CardTable::FaceName(53) + ", " + CardTable::FaceName(54), QStringLiteral("red joker, black joker"));

        Keys(table, "Left"); // at the edge: the focus stays, and its mark shows
        // The yellow ring on the screen, two pixels wide, a pixel away from
        // the card all round: left and right of its middle, above and below.
        const auto ring = [&] {
            const QImage seen = window.screen()->grabWindow(window.winId()).toImage();
            const QRect place(table->Card(0)->mapTo(&window, QPoint()), table->Card(0)->size());
            QString marks[2];
            for (const int step : {-4, -3, -2, -1, 1, 2, 3, 4}) {
                const QPoint off(step < 0 ? place.left() + step : place.right() + step,
                                 step < 0 ? place.top() + step : place.bottom() + step);
                marks[0] += seen.pixelColor(off.x(), place.center().y()) == QColor(Qt::yellow) ? '#' : '.';
                marks[1] += seen.pixelColor(place.center().x(), off.y()) == QColor(Qt::yellow) ? '#' : '.';
            }
            return marks[0] + marks[1];
        };
        QTRY_COMPARE(ring(), QStringLiteral(".##..##..##..##."));
        Keys(table, "Down Right Right Right Right");
        ace->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // as Space does
        QVERIFY(table->FocusMarkShown());
        QCOMPARE(Name(ace), QStringLiteral("Row 2, card 5, ace of diamonds"));
        QCOMPARE(grid->selectedCells(), QList<QAccessibleInterface*>{ace});
        QCOMPARE(Said(&window), QStringLiteral("ace of diamonds"));
        Keys(table, "Down Down Down Left Return"); // the ace of hearts
        QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("1"));
        Keys(table, "Left Space Right"); // during the look: turns nothing
        QCOMPARE(Name(grid->cellAt(4, 2)), QStringLiteral("Row 5, card 3, face down"));
        QTRY_COMPARE_WITH_TIMEOUT(access->childCount(), 52, 5000);
        QCOMPARE(Said(&window), QStringLiteral("Pair found: aces. 1 made, 26 left."));
        QVERIFY(grid->cellAt(1, 4) == nullptr && grid->selectedCells().isEmpty());
        QCOMPARE(table->FocusedCard(), 40); // the nearest of the two beside the ace
        ChildrenInPlace(access);
        QCOMPARE(Name(Access(window.StatusPanel(7))), QStringLiteral("Matches remaining 26"));
        // A click moves the focus without its mark.
        QTest::mouseClick(table->Card(20), Qt::LeftButton);
        QVERIFY(table->FocusedCard() == 20 && !table->FocusMarkShown());
    }

    // The high-score grid with its drawn header row as column headers and
    // each place as a row headed by its rank.
    void namesInWords()
    {
        ScoredTable game(dir_.filePath(QStringLiteral("names.sqlite")));
        auto scores = std::make_unique<frmHighScores>(&game.window, game.scores, true, 40);
        scores->show();
        QVERIFY(QTest::qWaitForWindowActive(scores.get()));
        auto* table = scores->findChild<QTableWidget*>();
        QAccessibleInterface* grid = Access(table);
        QAccessibleTableInterface* places = grid->tableInterface();
        QCOMPARE(places->columnDescription(0) + places->columnDescription(1) + places->rowDescription(1),
                 QStringLiteral("ScorePlayer2"));
        QCOMPARE(QList<int>({places->rowCount(), places->columnCount(), grid->indexOfChild(places->cellAt(1, 1))}),
                 QList<int>({10, 2, 11})); // where the grid's own focus events count it
        QVERIFY(!places->cellAt(-1, 0) && !places->cellAt(10, 0) && !places->cellAt(0, 2) && !places->cellAt(0, -1));
        const QAccessibleTableCellInterface* player = places->cellAt(1, 1)->tableCellInterface();
        QCOMPARE(Name(player->columnHeaderCells().first()) + Name(player->rowHeaderCells().first()),
                 QStringLiteral("Player2"));
        table->setCurrentCell(2, 0, QItemSelectionModel::NoUpdate);
        table->item(1, 1)->setSelected(true);
        QCOMPARE(places->selectedCells(), QList<QAccessibleInterface*>{places->cellAt(0, 1)});
        table->setFocus();
        QCOMPARE(grid->focusChild(), places->cellAt(1, 0));
        ChildrenInPlace(grid);
        // The children in the grid's own order as a screen reader reads them:
        // the hidden corner and headers, the drawn header, a place's rank and
        // cells. Roles: 10 pane, 19 column header, 1a row header, 1d cell.
        QStringList read;
        for (const int n : {0, 1, 3, 4, 6, 7, 8, 10}) {
            const QAccessible::State state = grid->child(n)->state();
            read << QStringLiteral("%1 %2 %3%4%5%6%7")
                        .arg(Name(grid->child(n)), QString::number(grid->child(n)->role(), 16))
                        .arg(state.invisible ? "i" : "", state.focusable ? "f" : "", state.selectable ? "s" : "",
                             state.selected ? "S" : "", state.focused ? "F" : "");
        }
        QCOMPARE(read.join(" | "),
                 QStringLiteral(" 10 i |  10 i |  10 i | Score 19 f | 1 1a i | 1, 40 1d fs |  1d fsS | "
                                "2, 99999 1d fsF"));
        QCOMPARE(Name(Access(scores->findChild<QLineEdit*>())), QStringLiteral("Name"));
        // Its places go with the window, for no screen reader to reach them later.
        const QAccessible::Id last = QAccessible::uniqueId(places->cellAt(9, 0));
        QCOMPARE(Name(QAccessible::accessibleInterface(last)), QStringLiteral("10, 99999"));
        scores.reset();
        QVERIFY(QAccessible::accessibleInterface(last) == nullptr);
    }

    // 27 pairs found and the name entered, with keys only; the end heard as
    // the entry opens, and as the last pair leaves.
    void wholeGameByKeys()
    {
        ScoredTable game(dir_.filePath(QStringLiteral("whole.sqlite")));
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        QStringList heard;
        QWidget* view = nullptr;
        WhileModal<frmHighScores> entry([&](frmHighScores* window) {
            if (!window->NewScorePending) { // the view, open as the last pair goes
                game.window.Timer1_Timer();
                window->reject();
                view = window;
                return;
            }
            QTRY_VERIFY(!Said(window).isEmpty());
            heard << Said(window);
            QTest::keyClicks(window->focusWidget(), QStringLiteral("Keys"));
            Keys(window->focusWidget(), "Return Return");
        });
        CardTable* table = game.window.Table();
        for (int pair = 0; pair < kPairCount; ++pair) {
            for (const int card : {pair < 26 ? pair : 52, pair < 26 ? pair + 26 : 53}) {
                // The arrow keys alone, as a player looking at the table does.
                for (int step = 0; step < 20 && table->FocusedCard() != card; ++step) {
                    const int rows = card / kColumnCount - table->FocusedCard() / kColumnCount;
                    Keys(table,
                         rows != 0 ? (rows > 0 ? "Down" : "Up") : (card > table->FocusedCard() ? "Right" : "Left"));
                }
                Keys(table, "Space");
            }
            // The end of the look, without waiting for it; the last under
            // the high scores viewed: "Game Over!" over them, then the entry.
            pair < kPairCount - 1 ? game.window.Timer1_Timer() : game.window.mnuHighScores_Click();
        }
        QCOMPARE(messages_->texts, QStringList{QStringLiteral("Game Over!")});
        QVERIFY(view != nullptr && messages_->parents == QList<QWidget*>{view});
        QCOMPARE(heard, QStringList{"27 tries: place 1 of the ten best. Type your name and press Enter."});
        QCOMPARE(Said(&game.window), QStringLiteral("Last pair: jokers. 27 tries."));
        QCOMPARE(game.scores.Table().At(1).Name, std::string("Keys"));
        QCOMPARE(QList<int>({table->FocusedCard(), Access(table)->childCount()}), QList<int>({-1, 0}));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
