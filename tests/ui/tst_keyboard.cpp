// The game played from the keyboard, and read as assistive technology reads
// it through Qt's accessibility interfaces (offscreen: no events, but the
// names, roles and states a screen reader asks for).

#include "CardImage.h"
#include "CardTable.h"
#include "RecordedMessages.h"
#include "ScoredTable.h"
#include "WhileModal.h"
#include "frmHighScores.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

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

// Goes to a card with the arrow keys alone, as a player looking at the table does.
void WalkTo(CardTable* table, int card)
{
    for (int step = 0; step < 20 && table->FocusedCard() != card; ++step) {
        const int rows = card / kColumnCount - table->FocusedCard() / kColumnCount;
        Keys(table, rows != 0 ? (rows > 0 ? "Down" : "Up") : (card > table->FocusedCard() ? "Right" : "Left"));
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

QAccessibleInterface* Cell(CardTable* table, int card)
{
    return Access(table)->tableInterface()->cellAt(card / kColumnCount, card % kColumnCount);
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
        QTest::newRow("first card") << 0 << "" << 0;
        QTest::newRow("arrows") << 0 << "Right Right Down Left" << 10;
        QTest::newRow("edges stop") << 0 << "Left Up End Right Ctrl+End Down Right" << 53;
        QTest::newRow("row ends") << 0 << "Down End Home Right" << 10;
        QTest::newRow("row start found") << 3 << "Right Home" << 3;
        QTest::newRow("first left") << 3 << "" << 3;
        QTest::newRow("found skipped") << 3 << "Left Down Down Right Right Right Right Right" << 25;
        QTest::newRow("nearest column") << 9 << "Up Ctrl+End Up Up Up" << 25;
        QTest::newRow("table ends") << 9 << "Ctrl+End Ctrl+Home Home" << 9;
    }
    void keysMoveTheFocus()
    {
        QFETCH(int, pairsFound);
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Keys(window.Table(), "Right");
        window.GameLogic().Restore(OrderedRecord(pairsFound, std::int16_t(pairsFound)));
        QFETCH(QString, keys);
        Keys(window.Table(), keys);
        QTEST(window.Table()->FocusedCard(), "focus");
        QAccessibleInterface* focused = Access(window.Table())->focusChild();
        QVERIFY(focused == Cell(window.Table(), window.Table()->FocusedCard()) && focused->state().focused);
        window.Table()->clearFocus(); // no card has the focus of a table without it
        QVERIFY(Access(window.Table())->focusChild() == nullptr);
    }

    // A pair and a turn of the look by keys, as the screen shows it and as a
    // screen reader hears it; then F2 starts a new game at the first card.
    void aPairByKeys()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        CardTable* table = window.Table();
        QAccessibleInterface* access = Access(table);
        QCOMPARE(access->role(), QAccessible::Table);
        QCOMPARE(access->tableInterface()->rowCount(), 6);
        QCOMPARE(access->tableInterface()->columnCount(), 9);
        QCOMPARE(access->childCount(), 54);
        QVERIFY(!table->FocusMarkShown());
        QAccessibleInterface* ace = Cell(table, 13);
        QCOMPARE(ace->text(QAccessible::Name), QStringLiteral("Row 2, card 5, face down"));
        QCOMPARE(ace->role(), QAccessible::ListItem); // no table cell: a row is never read whole
        const QAccessibleTableCellInterface* at = ace->tableCellInterface();
        QCOMPARE(QList<int>({at->rowIndex(), at->columnIndex(), at->rowExtent(), at->columnExtent()}),
                 QList<int>({1, 4, 1, 1}));
        QCOMPARE(CardTable::FaceName(53) + ", " + CardTable::FaceName(54), QStringLiteral("red joker, black joker"));

        Keys(table, "Down Right Right Right Right");
        ace->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // as Space does
        QVERIFY(table->FocusMarkShown());
        // The yellow ring, two pixels wide, a pixel away from the card all round.
        const QImage seen = table->grab().toImage();
        const QRect place = table->Card(13)->geometry();
        const QList<int> across{place.left() - 4,  place.left() - 3,  place.left() - 2,  place.left() - 1,
                                place.right() + 1, place.right() + 2, place.right() + 3, place.right() + 4};
        QString marks; // across the middle of the card, then down at its middle
        for (const int x : across) {
            marks += seen.pixelColor(x, place.center().y()) == QColor(Qt::yellow) ? '#' : '.';
        }
        for (const int y : {place.top() - 4, place.top() - 3, place.top() - 2, place.top() - 1, place.bottom() + 1,
                            place.bottom() + 2, place.bottom() + 3, place.bottom() + 4}) {
            marks += seen.pixelColor(place.center().x(), y) == QColor(Qt::yellow) ? '#' : '.';
        }
        QCOMPARE(marks, QStringLiteral(".##..##..##..##."));
        const QPoint middle = table->Card(13)->mapToGlobal(table->Card(13)->rect().center());
        QCOMPARE(access->childAt(middle.x(), middle.y()), ace);
        QVERIFY(access->child(-1) == nullptr && access->child(54) == nullptr);
        QCOMPARE(ace->text(QAccessible::Name), QStringLiteral("Row 2, card 5, ace of diamonds"));
        QVERIFY(ace->state().focused);
        QCOMPARE(Said(&window), QStringLiteral("ace of diamonds"));
        Keys(table, "Down Down Down Left Return"); // the ace of hearts
        QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("1"));
        Keys(table, "Left Space Right"); // during the look: turns nothing
        QCOMPARE(Cell(table, 38)->text(QAccessible::Name), QStringLiteral("Row 5, card 3, face down"));
        QTRY_COMPARE_WITH_TIMEOUT(access->childCount(), 52, 5000);
        QCOMPARE(Said(&window), QStringLiteral("Pair found: aces. 1 made, 26 left."));
        QVERIFY(Cell(table, 13) == nullptr);
        QCOMPARE(table->FocusedCard(), 40); // the nearest of the two beside the ace
        for (const auto& [panel, name] :
             {std::pair{2, "Tries 1"}, {5, "Matches made 1"}, {7, "Matches remaining 26"}}) {
            QCOMPARE(Access(window.StatusPanel(panel))->text(QAccessible::Name), QString::fromLatin1(name));
        }

        // A click moves the focus without its mark; F2 deals again during a turn.
        QTest::mouseClick(table->Card(20), Qt::LeftButton);
        QCOMPARE(table->FocusedCard(), 20);
        QVERIFY(!table->FocusMarkShown());
        QTest::mouseClick(table->Card(21), Qt::LeftButton);
        QVERIFY(window.TurnTimer().isActive());
        Keys(table, "F2");
        QVERIFY(!window.TurnTimer().isActive());
        QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("0"));
        QCOMPARE(random.reseeds, 2);
        QCOMPARE(access->childCount(), 54);
        QCOMPARE(table->FocusedCard(), 0);
        QCOMPARE(Cell(table, 20)->text(QAccessible::Name), QStringLiteral("Row 3, card 3, face down"));
    }

    // The high-score grid with its drawn header row as column headers and
    // each place as a row headed by its rank.
    void namesInWords()
    {
        ScoredTable game(dir_.filePath(QStringLiteral("names.sqlite")));
        frmHighScores scores(&game.window, game.scores, true, 40);
        QAccessibleInterface* grid = Access(scores.findChild<QTableWidget*>(QStringLiteral("fgHighScores")));
        QAccessibleTableInterface* places = grid->tableInterface();
        QCOMPARE(places->rowCount(), 10);
        QCOMPARE(places->columnDescription(0) + places->columnDescription(1), QStringLiteral("ScorePlayer"));
        QCOMPARE(places->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("Anonymous"));
        const QAccessibleTableCellInterface* player = places->cellAt(1, 1)->tableCellInterface();
        const QAccessibleInterface* header = player->columnHeaderCells().first();
        QCOMPARE(header->role(), QAccessible::ColumnHeader);
        QCOMPARE(header->text(QAccessible::Name) + player->rowHeaderCells().first()->text(QAccessible::Name),
                 QStringLiteral("Player2"));
        QCOMPARE(grid->indexOfChild(places->cellAt(1, 1)), 11); // where the grid's own focus events count it
        // The children in the grid's own order as a screen reader reads them:
        // the hidden corner and headers, the drawn header, a place's rank and cells.
        auto* table = scores.findChild<QTableWidget*>(QStringLiteral("fgHighScores"));
        table->item(1, 1)->setSelected(true);
        QStringList read;
        for (const int n : {0, 1, 3, 4, 6, 7, 8}) {
            QAccessibleInterface* child = grid->child(n);
            const QAccessible::State state = child->state();
            const QAccessibleTableCellInterface* cell = child->tableCellInterface();
            read << QStringLiteral("%1 %2 %3%4%5%6 %7")
                        .arg(child->text(QAccessible::Name), QString::number(child->role(), 16))
                        .arg(state.invisible ? "i" : "", state.focusable ? "f" : "", state.selectable ? "s" : "",
                             state.selected ? "S" : "")
                        .arg(cell ? QStringLiteral("%1,%2 %3x%4")
                                        .arg(cell->rowIndex())
                                        .arg(cell->columnIndex())
                                        .arg(cell->rowExtent())
                                        .arg(cell->columnExtent())
                                  : "-");
        }
        QVERIFY(grid->child(-1) == nullptr && grid->child(grid->childCount()) == nullptr);
        // Roles: 10 pane, 19 column header, 1a row header, 1d cell.
        QCOMPARE(read.join(" | "), QStringLiteral(" 10 i - |  10 i - |  10 i - | Score 19 f - | 1 1a i - | "
                                                  "1, 40 1d fs 0,0 1x1 |  1d fsS 0,1 1x1"));
        QCOMPARE(Access(scores.findChild<QLineEdit*>())->text(QAccessible::Name), QStringLiteral("Name"));
    }

    // A game that ends while the high scores are viewed: "Game Over!" comes
    // over them, the window that has the keyboard.
    void gameOverOverViewedScores()
    {
        ScoredTable game(dir_.filePath(QStringLiteral("over.sqlite")));
        bool overScores = false;
        WhileModal<frmHighScores> view([&](frmHighScores* window) {
            game.window.GameOver();
            overScores = messages_->parents.value(0) == window;
            window->reject();
        });
        game.window.mnuHighScores_Click();
        QCOMPARE(messages_->texts, QStringList{QStringLiteral("Game Over!")});
        QVERIFY(overScores);
    }

    // 27 pairs found and the name entered, with keys only.
    void wholeGameByKeys()
    {
        ScoredTable game(dir_.filePath(QStringLiteral("whole.sqlite")));
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        // The end heard as the entry opens; Escape keeps the score and says why.
        QStringList heard;
        std::optional<WhileModal<frmHighScores>> entry;
        entry.emplace([&heard](frmHighScores* window) {
            QTRY_VERIFY(!Said(window).isEmpty());
            heard << Said(window);
            Keys(window->focusWidget(), "Escape");
            heard << (window->isVisible() ? Said(window) : QStringLiteral("closed"));
            QTest::keyClicks(window->focusWidget(), QStringLiteral("Keys"));
            Keys(window->focusWidget(), "Return");
            heard << Said(window);
            Keys(window->focusWidget(), "Return");
        });
        CardTable* table = game.window.Table();
        for (int pair = 0; pair < kPairCount; ++pair) {
            for (const int card : {pair < 26 ? pair : 52, pair < 26 ? pair + 26 : 53}) {
                WalkTo(table, card);
                Keys(table, "Space");
            }
            game.window.Timer1_Timer(); // the end of the look, without waiting for it
        }
        QCOMPARE(messages_->texts, QStringList{QStringLiteral("Game Over!")});
        QCOMPARE(heard,
                 QStringList({"27 tries: place 1 of the ten best. Type your name and press Enter.",
                              "Your score is not saved yet: type your name and press Enter.", "Name saved: place 1."}));
        QCOMPARE(Said(&game.window), QStringLiteral("Last pair: jokers. 27 tries."));
        QCOMPARE(game.scores.Table().At(1).Name, std::string("Keys"));
        QCOMPARE(table->FocusedCard(), -1);
        QCOMPARE(Access(table)->childCount(), 0);

        // Viewed: Tab leaves the grid, and Escape closes the window.
        entry.reset();
        WhileModal<frmHighScores> view([&heard](frmHighScores* window) {
            auto* grid = window->findChild<QTableWidget*>();
            grid->setFocus();
            Keys(grid, "Tab");
            heard << window->focusWidget()->objectName();
            Keys(window->focusWidget(), "Escape");
            heard << (window->isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
        });
        game.window.mnuHighScores_Click();
        QCOMPARE(heard.mid(3), QStringList({"btnClear", "closed"}));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
