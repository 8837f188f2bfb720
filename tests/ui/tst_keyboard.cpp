// The game played from the keyboard, and read as assistive technology reads
// it through Qt's accessibility interfaces: the names, roles and states a
// screen reader asks for, and the events it is sent.

#define QT_STATICPLUGIN // the listener below is built into this program

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

// Every accessibility event, as a screen reader's bridge to the desktop is
// sent it (offscreen too): its kind and the object it is about.
class Listener : public QAccessibleBridgePlugin, public QAccessibleBridge {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "tst_keyboard.json")

public:
    static inline QList<std::pair<int, QObject*>> heard;
    QAccessibleBridge* create(const QString&) override { return new Listener; }
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        heard << std::pair(int(event->type()), event->object());
    }
};
Q_IMPORT_PLUGIN(Listener)

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
        QVERIFY(child->state().invisible
                || table->childAt(child->rect().center().x(), child->rect().center().y()) == child);
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

    RecordedMessages messages_; // "Game Over!" answered
    QTemporaryDir dir_;

private Q_SLOTS:
    // From the first card still on the table of an opened game (the ordered
    // board with its first pairs found); the arrows stop at the edges.
    void keysMoveTheFocus_data()
    {
        QTest::addColumn<int>("pairsFound");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus");
        QTest::newRow("edges and row ends; other modifiers move nothing")
            << 0 << "Down End Home Right Left Up End Right Ctrl+End Down Right Shift+Left Alt+Home" << 53;
        QTest::newRow("found") << 3 << "Down Left Up Right Home Left Down Down Right Right Right Right Right" << 25;
        QTest::newRow("nearest row and column") << 10 << "Ctrl+End Ctrl+Home Home Up Ctrl+End Up Up Up" << 16;
        // "|" ends the look: after a pair the focus goes to the nearest card.
        QTest::newRow("nearest after a pair")
            << 0 << "Right Right Space Down Down Down Left Space | Left Space Up Up Up Right Space |" << 0;
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
        window.GameLogic().Restore(OrderedRecord(pairsFound, std::int16_t(pairsFound)));
        for (const QString& look : keys.split('|')) {
            Keys(table, look);
            window.Timer1_Timer();
        }
        QTEST(table->FocusedCard(), "focus");
        QAccessibleInterface* focused = Access(table)->focusChild();
        QCOMPARE(focused, Access(table->Card(table->FocusedCard())));
        QVERIFY(focused->state().focused && focused->state().focusable);
        table->clearFocus(); // no card has the focus of a table without it
        QVERIFY(Access(table)->focusChild() == nullptr && !focused->state().focused);
    }

    // The last pair's look ends while the high scores are viewed: "Game Over!"
    // stands over them, where the keyboard is, not over the blocked table.
    void gameOverOverTheHighScores()
    {
        ScoredTable game(dir_.filePath(QStringLiteral("over.sqlite")));
        PlayEveryPair(game.window.GameLogic(), false);
        QWidget* view = nullptr;
        WhileModal<frmHighScores> scores([&](frmHighScores* window) {
            if (view == nullptr) {
                view = window;
                game.window.Timer1_Timer();
            }
            window->close(); // the view, then the entry the game offers
        });
        messages_.parents.clear();
        game.window.mnuHighScores_Click();
        QVERIFY(view != nullptr && messages_.parents == QList<QWidget*>{view});
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
        const auto said = [&] { return Name(Access(window.findChild<QWidget*>("Announcer"))); };
        QAccessibleInterface* access = Access(table);
        QAccessibleTableInterface* grid = access->tableInterface();
        QAccessibleInterface* ace = grid->cellAt(1, 4);
        QCOMPARE(QStringList({Name(access), grid->rowDescription(1), grid->columnDescription(4), Name(ace)}),
                 QStringList({"Cards", "Row 2", "Card 5", "Row 2, card 5, face down"}));
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount(), access->childCount()}), QList<int>({6, 9, 54}));
        QVERIFY(!table->FocusMarkShown() && !grid->cellAt(-1, 0) && !grid->cellAt(6, 0) && !grid->cellAt(0, 9));
        QCOMPARE(ace->role(), QAccessible::ListItem); // no table cell: a row is never read whole
        QCOMPARE(ace->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList{"Space"});
        QCOMPARE(CardTable::FaceName(53) + ", " + CardTable::FaceName(54), QStringLiteral("red joker, black joker"));

        Keys(table, "Right Left"); // a move says nothing but the card
        QCOMPARE(said(), QString());
        Keys(table, "Left"); // at the edge: the focus stays, its mark shows, and "Edge" is said
        QCOMPARE(said(), QStringLiteral("Edge"));
        // The yellow ring on the screen, two pixels wide, a pixel away from
        // the card all round: across its top left and bottom right corners.
        const auto ring = [&] {
            const QImage seen = window.screen()->grabWindow(window.winId()).toImage();
            const QRect place(table->Card(0)->mapTo(&window, QPoint()), table->Card(0)->size());
            QString marks;
            for (const int step : {-4, -3, -2, -1, 1, 2, 3, 4}) {
                const QPoint corner = step < 0 ? place.topLeft() : place.bottomRight();
                marks += seen.pixelColor(corner + QPoint(step, step)) == QColor(Qt::yellow) ? '#' : '.';
            }
            return marks;
        };
        QTRY_COMPARE(ring(), QStringLiteral(".##..##."));
        table->clearFocus(); // the ring goes with the focus; a new deal gives it back
        QTRY_COMPARE(ring(), QStringLiteral("........"));
        window.GameLogic().NewGame();
        QTRY_COMPARE(ring(), QStringLiteral(".##..##."));
        Keys(table, "Down Right Right Right Right");
        ace->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // as Space does
        QVERIFY(table->FocusMarkShown());
        QCOMPARE(Name(ace), QStringLiteral("Row 2, card 5, ace of diamonds"));
        QCOMPARE(grid->selectedCells(), QList<QAccessibleInterface*>{ace});
        QCOMPARE(said(), QStringLiteral("ace of diamonds"));
        Keys(table, "Down Down Down Left Return"); // the ace of hearts
        QTRY_COMPARE_WITH_TIMEOUT(access->childCount(), 52, 5000);
        QCOMPARE(said(), QStringLiteral("Pair found: aces. 1 made, 26 left."));
        QVERIFY(grid->cellAt(1, 4) == nullptr && grid->selectedCells().isEmpty());
        QCOMPARE(table->FocusedCard(), 40); // the nearest of the two beside the ace
        ChildrenInPlace(access);
        // A click moves the focus without its mark.
        QTest::mouseClick(table->Card(20), Qt::LeftButton);
        QVERIFY(table->FocusedCard() == 20 && !table->FocusMarkShown());
        // Dealt again: a screen reader is told that the turned card's name
        // changed, and which card has the focus.
        Listener::heard.clear();
        window.GameLogic().NewGame();
        QVERIFY(Listener::heard.contains({QAccessible::NameChanged, table->Card(20)}));
        QVERIFY(!Listener::heard.contains({QAccessible::NameChanged, table->Card(21)})
                && Listener::heard.contains({QAccessible::Focus, table->Card(0)}));
        // The last pair by keys leaves no card on the table, and none focused.
        window.GameLogic().Restore(OrderedRecord(26, 26));
        Keys(table, "Space Right Space");
        window.Timer1_Timer();
        QCOMPARE(QList<int>({table->FocusedCard(), access->childCount()}), QList<int>({-1, 0}));
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
        // Its places go with the window, for no screen reader to reach them later.
        const QAccessible::Id last = QAccessible::uniqueId(places->cellAt(9, 0));
        QCOMPARE(Name(QAccessible::accessibleInterface(last)), QStringLiteral("10, 99999"));
        scores.reset();
        QVERIFY(QAccessible::accessibleInterface(last) == nullptr);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
