// The high-score window offscreen, on a real store file: its two modes,
// entering and saving a name, clearing, and leaving without saving.

#include "../scores/ScoreTables.h"

#include "scores/SqliteRegistryStore.h"
#include "ui/MessageBoxes.h"
#include "ui/frmHighScores.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using bmd::HighScores;
using bmd::HighScoreTable;
using bmd::ui::frmHighScores;

namespace {

const QColor kHeaderGreen(0, 192, 0);
const QColor kBandGreen(0, 255, 0);
const QColor kBeyondCellsGreen(0, 128, 0);

template <typename T>
T* Control(QWidget& window, const char* name)
{
    auto* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return control;
}

QStringList Column(QWidget& window, int column)
{
    auto* grid = Control<QTableWidget>(window, "fgHighScores");
    QStringList texts;
    for (int row = 1; row < grid->rowCount(); ++row) {
        texts << grid->item(row, column)->text();
    }
    return texts;
}

// Types as a keyboard would, non-ASCII text included.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

void ShowAndActivate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
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

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        scores_ = Open();
        scores_->SeedHighScores();
        questions_.clear();
        bmd::ui::SetMessageHandlerForTesting([this](const bmd::ui::MessageRequest& request) {
            questions_ << request.text;
            return request.buttons == bmd::ui::MessageButtons::YesNo ? answer_ : bmd::ui::MessageAnswer::Ok;
        });
    }
    void cleanup()
    {
        bmd::ui::SetMessageHandlerForTesting({});
        scores_.reset();
        dir_.reset();
    }

    void viewMode()
    {
        frmHighScores window(nullptr, *scores_, false, 40);
        ShowAndActivate(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Brightmoose Derudirodozir High Scores"));
        QVERIFY(!Control<QLabel>(window, "lblPlayer")->isVisible());
        QVERIFY(!Control<QLineEdit>(window, "txtPlayer")->isVisible());
        QCOMPARE(ButtonStates(window), QStringLiteral("btnClear+ btnSave~ btnOK+* mnuClear+"));

        auto* grid = Control<QTableWidget>(window, "fgHighScores");
        QCOMPARE(grid->rowCount(), 11);
        QVERIFY(!grid->verticalHeader()->isVisible());
        QCOMPARE(grid->columnWidth(0), 47);
        QCOMPARE(grid->columnWidth(1), 167);
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem* header = grid->item(0, column);
            QCOMPARE(header->text(), column == 0 ? QStringLiteral("Score") : QStringLiteral("Player"));
            QVERIFY(header->font().bold());
            QCOMPARE(header->background().color(), kHeaderGreen);
            for (int row = 1; row <= 10; ++row) {
                QCOMPARE(grid->item(row, column)->background().color() == kBandGreen, row % 2 == 0);
            }
        }
        QCOMPARE(Column(window, 0), tables::Scores(tables::Defaults()));
        QCOMPARE(Column(window, 1), tables::Names(tables::Defaults()));

        // What the player sees: a banded cell, and the grid's own green below the last row.
        const QImage picture = grid->viewport()->grab().toImage();
        const QRect bandedName = grid->visualItemRect(grid->item(2, 1));
        QCOMPARE(picture.pixelColor(bandedName.right() - 4, bandedName.center().y()), kBandGreen);
        const QRect lastRow = grid->visualItemRect(grid->item(10, 0));
        QCOMPARE(picture.pixelColor(lastRow.center().x(), lastRow.bottom() + 5), kBeyondCellsGreen);

        // Enter presses OK, even with the focus on Clear.
        Control<QPushButton>(window, "btnClear")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(questions_.isEmpty());
        QVERIFY(!window.isVisible());
    }

    void entryModePlacesTheScore_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("tries");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("newRow");

        QTest::newRow("default table") << QStringList{} << 40 << QStringList{"40"} << 1;
        QTest::newRow("equal score goes below") << QStringList{"40", "50", "50", "60"} << 50
                                                << QStringList{"40", "50", "50", "50", "60"} << 4;
    }

    void entryModePlacesTheScore()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, tries);
        QFETCH(QStringList, shown);
        QFETCH(int, newRow);

        scores_->StoredTable = tables::Make(stored);
        frmHighScores window(nullptr, *scores_, true, std::int16_t(tries));
        ShowAndActivate(window);

        QCOMPARE(Column(window, 0), tables::Scores(tables::Make(shown)));
        QCOMPARE(Column(window, 1)[newRow - 1], QString());
        QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(window, "txtPlayer"));
        QVERIFY(Control<QLabel>(window, "lblPlayer")->isVisible());
        QCOMPARE(ButtonStates(window), QStringLiteral("btnClear- btnSave+* btnOK- mnuClear-"));
        QCOMPARE(scores_->StoredTable, tables::Make(stored)); // placed in the window only
    }

    // Typed into the name box, then Enter: shown as typed, stored as the store keeps it.
    void saveStoresTheName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("nextStart");

        QTest::newRow("empty") << "" << "Anonymous" << "Anonymous";
        QTest::newRow("spaces around") << "  Player One  " << "  Player One  " << "Player One";
        QTest::newRow("007") << "007" << "007" << "7";
        QTest::newRow("non-ASCII") << "Ünïcødé ✓" << "Ünïcødé ✓" << "Ünïcødé ✓";
    }

    void saveStoresTheName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, nextStart);

        scores_->StoredTable = tables::Make({"40", "50", "50", "60"});
        {
            frmHighScores window(nullptr, *scores_, true, 50);
            ShowAndActivate(window);
            auto* name = Control<QLineEdit>(window, "txtPlayer");
            TypeText(name, typed);
            QTest::keyClick(name, Qt::Key_Return);

            QCOMPARE(ButtonStates(window), QStringLiteral("btnClear+ btnSave- btnOK+* mnuClear+"));
            QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(window, "btnOK"));
            QVERIFY(name->text().isEmpty());
            QVERIFY(name->isReadOnly());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(!window.isVisible());
        }

        HighScoreTable saved = tables::Make({"40", "50", "50", "50", "60"});
        const auto rename = [&saved](const std::string& fourth) {
            for (std::int16_t position = 5; position <= 10; ++position) {
                saved.At(position).Name = "Player " + std::to_string(position - 1);
            }
            saved.At(4).Name = fourth;
        };
        rename(shown.toStdString());
        QCOMPARE(scores_->StoredTable, saved);

        // The next opening from the menu shows the saved table, placed once.
        frmHighScores view(nullptr, *scores_, false, 50);
        QCOMPARE(Column(view, 1), tables::Names(saved));
        QCOMPARE(Column(view, 0), tables::Scores(saved));

        auto nextRun = Open();
        nextRun->SeedHighScores();
        rename(nextStart.toStdString());
        QCOMPARE(nextRun->StoredTable, saved);
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

        const HighScoreTable stored = tables::Make({"40", "50"});
        scores_->StoredTable = stored;
        scores_->StoreHighScores(stored);
        answer_ = yes ? bmd::ui::MessageAnswer::Yes : bmd::ui::MessageAnswer::No;

        frmHighScores window(nullptr, *scores_, false, 0);
        ShowAndActivate(window);
        if (fromMenu) {
            Control<QAction>(window, "mnuClear")->trigger();
        } else {
            QTest::mouseClick(Control<QPushButton>(window, "btnClear"), Qt::LeftButton);
        }
        QCOMPARE(questions_, QStringList{"Are you sure you want to clear the High Scores?"});

        const HighScoreTable expected = yes ? tables::Defaults() : stored;
        QCOMPARE(scores_->StoredTable, expected);
        QCOMPARE(Column(window, 0), tables::Scores(expected));
        QCOMPARE(Column(window, 1), tables::Names(expected));
        auto nextRun = Open();
        nextRun->SeedHighScores();
        QCOMPARE(nextRun->StoredTable, expected);
        QVERIFY(window.isVisible());
    }

    // Leaving an entry unsaved keeps the table of before the game, in memory and in the file.
    void leavingUnsavedChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << "close";
        QTest::newRow("File, Exit") << "exit";
        QTest::newRow("Esc does not leave") << "escape";
    }

    void leavingUnsavedChangesNothing()
    {
        QFETCH(QString, how);

        const HighScoreTable stored = tables::Make({"40", "50"});
        scores_->StoredTable = stored;
        scores_->StoreHighScores(stored);
        {
            frmHighScores window(nullptr, *scores_, true, 45);
            ShowAndActivate(window);
            auto* name = Control<QLineEdit>(window, "txtPlayer");
            TypeText(name, QStringLiteral("Player One"));
            if (how == QLatin1String("exit")) {
                Control<QAction>(window, "mnuExit")->trigger();
            } else if (how == QLatin1String("escape")) {
                QTest::keyClick(name, Qt::Key_Escape);
                QVERIFY(window.isVisible());
            }
            window.close();
            QVERIFY(!window.isVisible());
        }
        QCOMPARE(scores_->StoredTable, stored);
        auto nextRun = Open();
        nextRun->SeedHighScores();
        QCOMPARE(nextRun->StoredTable, stored);
    }

private:
    std::unique_ptr<HighScores> Open() const
    {
        const QString file = dir_->filePath(QStringLiteral("registry.sqlite"));
        return std::make_unique<HighScores>(std::make_unique<bmd::SqliteRegistryStore>(file.toStdString()));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<HighScores> scores_;
    QStringList questions_;
    bmd::ui::MessageAnswer answer_ = bmd::ui::MessageAnswer::No;
};

QTEST_MAIN(TestHighScoresWindow)
#include "tst_highscores.moc"
