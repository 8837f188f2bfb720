// The high-score window offscreen, on a real store file: its two modes,
// entering and saving a name, clearing, and leaving without saving. What the
// store makes of a name is left to the core's tests.

#include "Contrast.h"
#include "RecordedMessages.h"
#include "ScoreKeeper.h"
#include "ScoreTables.h"
#include "frmHighScores.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using bmd::HighScoreTable;
using bmd::ui::frmHighScores;

namespace {

template <typename T>
T* Control(QWidget& window, const char* name)
{
    auto* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return control;
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

// Enabled state of Clear, Save, OK and File > Clear, and the default button.
QString ButtonStates(QWidget& window)
{
    QString states;
    for (const char* name : {"btnClear", "btnSave", "btnOK"}) {
        auto* button = Control<QPushButton>(window, name);
        states += QLatin1String(name) + (button->isVisible() ? (button->isEnabled() ? "+" : "-") : "~")
                  + (button->isDefault() ? "* " : " ");
    }
    return states + (Control<QAction>(window, "mnuClear")->isEnabled() ? "mnuClear+" : "mnuClear-");
}

} // namespace

class TestHighScoresWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<bmd::ui::ScoreKeeper> scores_;
    std::optional<RecordedMessages> questions_;

    QString File() const { return dir_->filePath("registry.sqlite"); }

    // Stores the table, as an earlier game did, opens it as this run, and
    // shows a high-score window on it for a game of so many tries.
    std::unique_ptr<frmHighScores> Shows(const HighScoreTable& table, bool entry, std::int16_t tries)
    {
        tables::Store(File(), table);
        scores_ = std::make_unique<bmd::ui::ScoreKeeper>(QFile::encodeName(File()).toStdString());
        scores_->Open();
        auto window = std::make_unique<frmHighScores>(nullptr, *scores_, entry, tries);
        window->show();
        window->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
        return window;
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        questions_.emplace();
    }
    void cleanup()
    {
        questions_.reset();
        scores_.reset();
        dir_.reset();
    }

    void viewMode()
    {
        const auto opened = Shows(bmd::DefaultHighScoreTable(), false, 40);
        frmHighScores& window = *opened;
        QCOMPARE(window.windowTitle(), QStringLiteral("Brightmoose Derudirodozir High Scores"));
        // 5205 x 4845 twips below the menu, centred on the screen.
        QCOMPARE(window.width(), 347);
        QCOMPARE(window.findChild<QWidget*>("client")->height(), 323);
        const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QCOMPARE_LE(offCentre.manhattanLength(), 4);
        QVERIFY(!Control<QLabel>(window, "lblPlayer")->isVisible()
                && !Control<QLineEdit>(window, "txtPlayer")->isVisible());
        QCOMPARE(Control<QLineEdit>(window, "txtPlayer")->maxLength(), std::numeric_limits<int>::max());
        QCOMPARE(ButtonStates(window), QStringLiteral("btnClear+ btnSave~ btnOK+* mnuClear+"));

        auto* grid = Control<QTableWidget>(window, "fgHighScores");
        QCOMPARE(grid->rowCount(), 11);
        QCOMPARE(Shown(window), bmd::DefaultHighScoreTable());
        QCOMPARE(grid->item(0, 0)->text() + grid->item(0, 1)->text(), QStringLiteral("ScorePlayer"));
        QVERIFY(grid->item(0, 1)->font().bold());
        // What the player sees: the bold header framed in black, rows banded
        // from the second on between grey lines, and the grid's own green
        // below the last row.
        const QImage picture = grid->viewport()->grab().toImage();
        const auto colourAt = [&](int row, int below) {
            const QRect cell = grid->visualItemRect(grid->item(row, 1));
            return picture.pixelColor(cell.right() - 4, below == 0 ? cell.center().y() : cell.bottom() + below);
        };
        QCOMPARE(colourAt(0, 0), QColor(0, 192, 0));
        for (int row = 1; row <= 10; ++row) {
            QCOMPARE(colourAt(row, 0), row % 2 == 0 ? QColor(0, 255, 0) : QColor(Qt::white));
        }
        QCOMPARE(colourAt(10, 5), QColor(0, 128, 0));
        QCOMPARE(colourAt(0, 1), QColor(Qt::black));
        QCOMPARE(colourAt(1, 1), QColor(0xC0, 0xC0, 0xC0));
        const QRect score = grid->visualItemRect(grid->item(0, 0));
        QCOMPARE(picture.pixelColor(score.right() + 1, score.bottom()), QColor(Qt::black)); // the frame's corner
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, score.center());
        QVERIFY(grid->selectedItems().isEmpty()); // the header is no place to select

        // Enter presses OK, even with the focus on Clear.
        Control<QPushButton>(window, "btnClear")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(questions_->texts.isEmpty());
        QVERIFY(!window.isVisible());
    }

    // The entry: the new score placed below equal ones with an empty name, in
    // the window only. A name typed, then Enter: shown as typed, stored as
    // the store keeps it ("" as "Anonymous", "007" as 7, without spaces).
    // Leaving without saving keeps the table of before the game, and Esc
    // does not leave.
    void entry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how"); // Enter saves; the others leave without saving
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("nextStart");
        const auto row = [](const char* tag, const char* typed, const char* how, const char* shown, const char* next) {
            QTest::newRow(tag) << typed << how << shown << next;
        };
        row("empty name", "", "Enter", "Anonymous", "Anonymous");
        row("spaces and digits", " 007 ", "Enter", " 007 ", "7");
        row("close box", "Player One", "close", "", "");
        row("File, Exit", "Player One", "exit", "", "");
        row("Esc does not leave", "Player One", "escape", "", "");
    }
    void entry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, shown);
        QFETCH(QString, nextStart);
        const HighScoreTable stored = tables::Make({"40", "50", "50", "60"});
        HighScoreTable saved = stored;
        QCOMPARE(bmd::PlaceNewScore(saved, 50), std::int16_t(4));
        {
            const auto opened = Shows(stored, true, 50);
            frmHighScores& window = *opened;
            QCOMPARE(Shown(window), saved);
            auto* name = Control<QLineEdit>(window, "txtPlayer");
            QCOMPARE(QApplication::focusWidget(), name);
            QVERIFY(Control<QLabel>(window, "lblPlayer")->isVisible());
            QCOMPARE(ButtonStates(window), QStringLiteral("btnClear- btnSave+* btnOK- mnuClear-"));
            QTest::keyClicks(name, typed);
            if (how == QLatin1String("Enter")) {
                QTest::keyClick(name, Qt::Key_Return);
                QCOMPARE(ButtonStates(window), QStringLiteral("btnClear+ btnSave- btnOK+* mnuClear+"));
                QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(window, "btnOK"));
                QVERIFY(name->text().isEmpty() && name->isReadOnly());
                saved.At(4).Name = shown.toStdString();
                QCOMPARE(Shown(window), saved);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // nothing left to save
                QVERIFY(!window.isVisible());
            } else if (how == QLatin1String("exit")) {
                Control<QAction>(window, "mnuExit")->trigger();
            } else if (how == QLatin1String("escape")) {
                QTest::keyClick(name, Qt::Key_Escape);
                QVERIFY(window.isVisible());
            }
            window.close();
            QVERIFY(!window.isVisible());
        }
        if (how != QLatin1String("Enter")) {
            QCOMPARE(scores_->Table(), stored);
            return;
        }
        // The next opening from the menu shows the saved table, placed once.
        QCOMPARE(Shown(*std::make_unique<frmHighScores>(nullptr, *scores_, false, 50)), saved);
        saved.At(4).Name = nextStart.toStdString();
        QCOMPARE(tables::NextRun(File()), saved);
    }

    void clear_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("yes");
        QTest::newRow("button, No") << false << false;
        QTest::newRow("button, Yes") << false << true;
        QTest::newRow("File menu, No") << true << false;
        QTest::newRow("File menu, Yes") << true << true;
    }
    void clear()
    {
        QFETCH(bool, fromMenu);
        QFETCH(bool, yes);
        const HighScoreTable stored = tables::Make({"40", "50", "55", "60", "65", "70", "75", "80", "85", "90"});
        const auto window = Shows(stored, false, 0);
        questions_->answer = yes ? bmd::ui::MessageAnswer::Yes : bmd::ui::MessageAnswer::No;
        if (fromMenu) {
            Control<QAction>(*window, "mnuClear")->trigger();
        } else {
            QTest::mouseClick(Control<QPushButton>(*window, "btnClear"), Qt::LeftButton);
        }
        QCOMPARE(questions_->texts, QStringList{"Are you sure you want to clear the High Scores?"});
        const HighScoreTable expected = yes ? bmd::DefaultHighScoreTable() : stored;
        QCOMPARE(scores_->Table(), expected);
        QCOMPARE(Shown(*window), expected);
        QVERIFY(window->isVisible());
    }

    // Under a dark desktop theme the text on the fixed greens stays black
    // (the theme's white on the bands is 1.37:1), plain cells follow the theme.
    void readableOnADarkDesktop()
    {
        const contrast::DarkDesktop dark;
        const auto window = Shows(bmd::DefaultHighScoreTable(), true, 40);
        auto* name = Control<QLineEdit>(*window, "txtPlayer");
        QTest::keyClicks(name, "Moose");
        auto* grid = Control<QTableWidget>(*window, "fgHighScores");
        QWidget* cells = grid->viewport();
        const auto cell = [&](int row) {
            return grid->visualRect(grid->model()->index(row, 1)).adjusted(2, 2, -2, -2);
        };
        auto* label = Control<QLabel>(*window, "lblPlayer");
        const std::tuple<const char*, QWidget*, QRect> areas[] = {
            {"header", cells, cell(0)},
            {"band", cells, cell(2)},
            {"plain cell", cells, cell(3)},
            {"name label", label, label->rect()},
            {"name box", name, name->rect().adjusted(3, 3, -3, -3)}};
        for (const auto& [what, widget, area] : areas) {
            const double ratio = contrast::OfText(window.get(), widget, area).ratio;
            QVERIFY2(ratio >= 4.0, qPrintable(QStringLiteral("%1: %2:1").arg(what).arg(ratio)));
        }
    }
};

QTEST_MAIN(TestHighScoresWindow)
#include "tst_highscores.moc"
