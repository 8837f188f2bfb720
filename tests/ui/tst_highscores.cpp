// The high-score window offscreen, on a real store file: its two modes,
// entering and saving a name, clearing, and leaving without saving. What the
// store makes of a name is left to the core's tests.

#include "Contrast.h"
#include "HeldStore.h"
#include "RecordedMessages.h"
#include "ScoreKeeper.h"
#include "ScoreTables.h"
#include "frmHighScores.h"

#include <QtTest>
#include <QtWidgets>

using bmd::HighScoreTable;
using bmd::ui::frmHighScores;

namespace {

template <typename T = QPushButton>
T* Control(QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

// The ten entries the grid shows below its header.
HighScoreTable Shown(QWidget& window)
{
    auto* grid = Control<QTableWidget>(window, "fgHighScores");
    HighScoreTable table;
    for (std::int16_t row = 1; row < grid->rowCount(); ++row) {
        table.At(row) = {grid->item(row, 1)->text().toStdString(), grid->item(row, 0)->text().toStdString()};
    }
    return table;
}

// Clear, Save and OK: + enabled, - disabled, ~ hidden, * the default; then
// File > Clear and the control with the focus.
QString Controls(QWidget& window)
{
    QString states;
    for (const char* name : {"btnClear", "btnSave", "btnOK"}) {
        QPushButton* button = Control(window, name);
        states += (button->isVisible() ? (button->isEnabled() ? "+" : "-") : "~")
                  + QString(button->isDefault() ? "*" : "");
    }
    return states + (Control<QAction>(window, "mnuClear")->isEnabled() ? " + " : " - ")
           + QApplication::focusWidget()->objectName();
}

// What the window said last, as a screen reader hears it.
QString Said(QWidget& window)
{
    return QAccessible::queryAccessibleInterface(Control<QWidget>(window, "Announcer"))->text(QAccessible::Name);
}

} // namespace

class TestHighScoresWindow : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> dir_;
    std::optional<RecordedMessages> questions_;
    std::optional<HeldStore> other_; // another program holding the store
    std::unique_ptr<bmd::ui::ScoreKeeper> scores_;

    QString File() const { return dir_->filePath("registry.sqlite"); }

    // Stores the table, as an earlier game did, opens it as this run (while
    // another program holds it, with a lock), and shows a high-score window
    // on it for a game of so many tries.
    std::unique_ptr<frmHighScores> Shows(const HighScoreTable& table, bool entry, std::int16_t tries,
                                         const char* lock = nullptr)
    {
        tables::Store(File(), table);
        if (lock != nullptr) {
            other_.emplace(File(), lock);
        }
        scores_ = std::make_unique<bmd::ui::ScoreKeeper>(QFile::encodeName(File()).toStdString());
        auto window = std::make_unique<frmHighScores>(nullptr, *scores_, entry, tries);
        window->show();
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
        return window;
    }

private Q_SLOTS:
    void init()
    {
        dir_.emplace();
        questions_.emplace();
    }

    // Viewed: centred, every row inside the grid, the bold header framed in
    // black, rows banded from the second on between grey lines, and the
    // grid's own green below the last row. Enter presses OK, even on Clear.
    void viewMode()
    {
        const auto window = Shows(bmd::DefaultHighScoreTable(), false, 40);
        QCOMPARE(window->windowModality(), Qt::WindowModal); // the help it opens stays usable
        const QPoint offCentre = window->frameGeometry().center() - window->screen()->availableGeometry().center();
        QCOMPARE_LE(offCentre.manhattanLength(), 4);
        QVERIFY(!Control<QLineEdit>(*window, "txtPlayer")->isVisible());
        QCOMPARE(Controls(*window), QStringLiteral("+~+* + btnOK"));

        auto* grid = Control<QTableWidget>(*window, "fgHighScores");
        QCOMPARE(Shown(*window), bmd::DefaultHighScoreTable());
        grid->setFocus(); // at the first place, not the header
        QCOMPARE(QAccessible::queryAccessibleInterface(grid)->focusChild()->text(QAccessible::Name), "1, 99999");
        QVERIFY(grid->item(0, 1)->font().bold());
        QVERIFY(grid->viewport()->rect().contains(grid->visualItemRect(grid->item(10, 1))));
        const QImage picture = grid->viewport()->grab().toImage();
        // From a cell's lower right corner: the middle of rows 0 to 3 and 10, below the last, the lines
        // below rows 0 and 1, past the header's frame, and the frame's corner.
        const int points[][4] = {{0, 1, -4, -8}, {1, 1, -4, -8}, {2, 1, -4, -8}, {3, 1, -4, -8}, {10, 1, -4, -8},
                                 {10, 1, -4, 5}, {0, 1, -4, 1},  {1, 1, -4, 1},  {0, 1, 2, 1},   {0, 0, 1, 0}};
        QStringList colours;
        for (const auto& [row, column, x, y] : points) {
            const QPoint at = grid->visualItemRect(grid->item(row, column)).bottomRight() + QPoint(x, y);
            colours << picture.pixelColor(at).name();
        }
        QCOMPARE(colours.join(' '), "#00c000 #ffffff #00ff00 #ffffff #00ff00 #008000 #000000 #c0c0c0 #008000 #000000");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(0, 1)).center());
        QVERIFY(grid->selectedItems().isEmpty()); // the header is no place to select

        QTest::keyClick(grid, Qt::Key_Tab); // Tab leaves the grid
        QCOMPARE(QApplication::focusWidget(), Control(*window, "btnClear"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(questions_->texts.isEmpty() && !window->isVisible());
    }

    // The entry: the new score placed below equal ones with an empty name, in
    // the window only; Alt+N goes to the name. Enter saves it, without a name
    // as "Anonymous". Leaving without saving keeps the table of before the
    // game, and Esc does not leave.
    void entry_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Enter", "close box", "File, Exit", "Esc"}) {
            QTest::newRow(how) << QString::fromLatin1(how);
        }
    }
    void entry()
    {
        QFETCH(QString, how);
        const HighScoreTable stored = tables::Make({"40", "50", "50", "60"});
        HighScoreTable saved = stored;
        QCOMPARE(bmd::PlaceNewScore(saved, 50), std::int16_t(4));
        const auto window = Shows(stored, true, 50);
        QCOMPARE(Shown(*window), saved);
        QCOMPARE(Controls(*window), QStringLiteral("-+*- - txtPlayer"));
        Control(*window, "btnSave")->setFocus();
        QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
        auto* name = Control<QLineEdit>(*window, "txtPlayer");
        if (how == QLatin1String("Enter")) {
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(Controls(*window) + " " + Said(*window), QStringLiteral("+-+* + btnOK Name saved: place 4."));
            QVERIFY(name->text().isEmpty() && name->isReadOnly());
            saved.At(4).Name = "Anonymous";
            QCOMPARE(Shown(*window), saved);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // nothing left to save
            QVERIFY(!window->isVisible());
            // The next opening from the menu shows the saved table, placed once.
            QCOMPARE(Shown(*std::make_unique<frmHighScores>(nullptr, *scores_, false, 50)), saved);
            QCOMPARE(tables::NextRun(File()), saved);
            return;
        }
        if (how == QLatin1String("File, Exit")) {
            Control<QAction>(*window, "mnuExit")->trigger();
        } else if (how == QLatin1String("Esc")) {
            QTest::keyClick(name, Qt::Key_Escape);
            QVERIFY(window->isVisible());
            QCOMPARE(Said(*window), "Your score is not saved yet: type your name and press Enter.");
        }
        window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(scores_->Table(), stored);
    }

    // Clear, from the button or the File menu, asks first; the window stays.
    void clear()
    {
        const HighScoreTable stored = tables::Make({"40", "50", "55", "60", "65", "70", "75", "80", "85", "90"});
        for (const bool yes : {false, true}) {
            const auto window = Shows(stored, false, 0);
            questions_.emplace();
            questions_->answer = yes ? bmd::ui::MessageAnswer::Yes : bmd::ui::MessageAnswer::No;
            yes ? Control<QAction>(*window, "mnuClear")->trigger() : Control(*window, "btnClear")->click();
            QCOMPARE(questions_->texts, QStringList{"Are you sure you want to clear the High Scores?"});
            const HighScoreTable expected = yes ? bmd::DefaultHighScoreTable() : stored;
            QCOMPARE(tables::NextRun(File()), expected);
            QCOMPARE(Shown(*window), expected);
            QVERIFY(window->isVisible());
        }
    }

    // A game's end while another program holds the store against readers,
    // on a dark desktop theme: the window says so, light on the theme's dark
    // ground, with no table and no place offered, and Esc does not drop the
    // waiting score. Once the store is free, the stored table decides the
    // place, and a screen reader hears where the score stands; the text on
    // the fixed greens stays black, plain cells follow the theme.
    void waitsForTheStore_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("then"); // the controls, and what is said
        QTest::newRow("a place") << QStringList{
            "20"} << "-+*- - txtPlayer 27 tries: place 2 of the ten best. Type your name and press Enter.";
        QTest::newRow("no place") << QStringList{"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"}
                                  << "+~+* + btnOK 27 tries: not among the ten best.";
    }
    void waitsForTheStore()
    {
        QFETCH(QStringList, stored);
        const contrast::DarkDesktop dark;
        const auto window = Shows(tables::Make(stored), true, 27, kHoldAgainstReaders);
        auto* grid = Control<QTableWidget>(*window, "fgHighScores");
        const auto cell = [&](int row) {
            return contrast::Greys(grid->viewport(), grid->visualItemRect(grid->item(row, 1)));
        };
        const QString waiting = "The high scores are in use by another program; trying again…";
        QTRY_COMPARE(Said(*window), waiting);
        auto* note = Control<QLabel>(*window, "lblWaiting");
        QCOMPARE(Controls(*window) + " " + note->text(), "-~+* - btnOK " + waiting);
        const auto [ground, text] = contrast::Greys(note, {});
        // Below the header, in the theme's colours for text areas.
        QVERIFY(ground > 30 && text > 245 && cell(0).first < 60 && cell(0).second > 80);
        QCOMPARE(Shown(*window), HighScoreTable{});
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QTest::qWait(bmd::ui::ScoreKeeper::kRetryMs + 200); // read again when needed, not on the store's timer
        other_.reset();
        QTRY_VERIFY(!note->isVisible());
        QTEST(Controls(*window) + " " + Said(*window), "then");
        QCOMPARE(Shown(*window).At(1), tables::Make(stored).At(1));
        auto* name = Control<QLineEdit>(*window, "txtPlayer");
        QTest::keyClicks(name, "Moose");
        auto* label = Control<QLabel>(*window, "lblPlayer");
        QVERIFY(cell(3).first > 30 && cell(3).second > 200);
        // The header, a banded row, the name box beside its label, the label.
        for (const auto& [darkest, lightest] :
             {cell(0), cell(4), contrast::Greys(label, label->rect().translated(label->width(), 0)),
              contrast::Greys(label, {})}) {
            QVERIFY(!name->isVisible() || (darkest < 60 && lightest > 80)); // black text on a green ground
        }
    }
};

QTEST_MAIN(TestHighScoresWindow)
#include "tst_highscores.moc"
