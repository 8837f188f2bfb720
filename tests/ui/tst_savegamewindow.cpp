#include "FileBytes.h"
#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "savegame/SavedGameFile.h"
#include "ui/CardImage.h"
#include "ui/CardTable.h"
#include "ui/DeckSmall.h"
#include "ui/FileDialogs.h"
#include "ui/GameFiles.h"
#include "ui/frmBrightmooseConcentration.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

class SaveGameWindowTest : public QObject {
    Q_OBJECT

    std::optional<RecordedMessages> messages_;
    QList<FileDialogRequest> dialogs_;
    QString nextChoice_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    static void Click(frmBrightmooseConcentration& window, int index)
    {
        QTest::mouseClick(window.Table()->Card(index), Qt::LeftButton);
    }

    // The board as a player sees it: -1 hidden, 0 face down, else the face up.
    static QList<int> Board(frmBrightmooseConcentration& window)
    {
        QList<int> board;
        const qint64 back = window.Table()->Deck()->FacePicture(59).cacheKey();
        for (int i = 0; i < kCardCount; ++i) {
            const CardImage* card = window.Table()->Card(i);
            board << (card->isHidden() ? -1 : card->Picture().cacheKey() == back ? 0 : 1);
        }
        return board;
    }
    static bool SaveGameEnabled(frmBrightmooseConcentration& window)
    {
        QAction* save = window.findChild<QAction*>(QStringLiteral("mnuSaveGame"));
        return save->isEnabled() && window.Toolbar()->widgetForAction(save)->isEnabled();
    }

private slots:
    void init()
    {
        messages_.emplace();
        dialogs_.clear();
        SetFileDialogHandlerForTesting([this](const FileDialogRequest& request) {
            dialogs_ << request;
            return nextChoice_;
        });
    }
    void cleanup()
    {
        messages_.reset();
        SetFileDialogHandlerForTesting({});
    }

    void saveThenOpenRestoresTheGame()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration saved(&random);
        saved.show();
        QVERIFY(QTest::qWaitForWindowExposed(&saved));
        Click(saved, 0);
        Click(saved, 26);
        saved.GameLogic().Timer1_Timer();
        Click(saved, 1);
        Click(saved, 2);
        // Saved with a turn pending: both cards count as on the board.
        nextChoice_ = Path(QStringLiteral("game"));
        QTest::keyClick(&saved, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.size(), 1);
        QCOMPARE(dialogs_[0].kind, FileDialogKind::Save);
        QCOMPARE(dialogs_[0].filter, QStringLiteral("Brightmoose Derudirodozir Games (*.bcx)"));
        // No extension is added to a name typed without one.
        const QByteArray bytes = ReadBytes(Path(QStringLiteral("game")));
        QCOMPARE(bytes.size(), 640);

        // Opened with a pair pending, whose late tick must resolve nothing.
        frmBrightmooseConcentration opened;
        opened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opened));
        const auto& faces = opened.GameLogic().State().CardFace;
        Click(opened, 3);
        Click(opened, int(std::find(faces.begin(), faces.end(), PartnerFace(faces[3])) - faces.begin()));
        QVERIFY(opened.TurnTimer().isActive());
        QTest::keyClick(&opened, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(messages_->texts.isEmpty());
        QCOMPARE(opened.GameLogic().State().CardFace, saved.GameLogic().State().CardFace);
        QList<int> expected(kCardCount, 0);
        expected[0] = expected[26] = -1;
        QCOMPARE(Board(opened), expected);
        QVERIFY(!opened.TurnTimer().isActive());
        QCOMPARE(opened.GameLogic().State().ClickCount, std::int16_t(0));
        opened.GameLogic().Timer1_Timer();
        QCOMPARE(Board(opened), expected);
        QCOMPARE(opened.StatusPanel(2)->text(), QStringLiteral("2"));
        QCOMPARE(opened.StatusPanel(5)->text(), QStringLiteral("1"));
        QCOMPARE(opened.StatusPanel(7)->text(), QStringLiteral("26"));

        // Opening again gives the same board and leaves the file as it was.
        opened.OpenGame();
        QCOMPARE(Board(opened), expected);
        QCOMPARE(ReadBytes(Path(QStringLiteral("game"))), bytes);
        // Each dialog starts with its own last name.
        QCOMPARE(dialogs_.last().initialName, Path(QStringLiteral("game")));
        QCOMPARE(dialogs_.last().kind, FileDialogKind::Open);

        // Cancel changes nothing; with one card up Save Game asks for no file.
        nextChoice_.clear();
        opened.OpenGame();
        opened.SaveGame();
        Click(opened, 1);
        opened.SaveGame();
        QCOMPARE(dialogs_.size(), 5);
        QVERIFY(messages_->texts.isEmpty());
        QCOMPARE(Board(opened).count(1), 1);
    }

    // A finished game, then a file with 26 pairs found: two cards face down,
    // the panels restored, Save Game available again.
    void twentySixPairsFoundOpensAfterAFinishedGame()
    {
        QVERIFY(WriteSavedGameFile(Path(QStringLiteral("late.bcx")).toStdString(), OrderedRecord(26, 40)).Ok());
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        PlayEveryPair(window.GameLogic());
        QCOMPARE(messages_->texts, QStringList{QStringLiteral("Game Over!")});
        QVERIFY(!SaveGameEnabled(window));
        QVERIFY(window.OpenGameFile(NativePath(Path(QStringLiteral("late.bcx")))));
        QCOMPARE(Board(window).count(0), 2);
        QCOMPARE(window.StatusPanel(5)->text(), QStringLiteral("26"));
        QCOMPARE(window.StatusPanel(7)->text(), QStringLiteral("1"));
        QVERIFY(SaveGameEnabled(window));
    }

    void badFilesLeaveTheGameUntouched_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        const auto encode = [](int pairs, std::int16_t tries, auto change) {
            SavedGame record = OrderedRecord(pairs, tries);
            change(record);
            const SavedGameSlot slot = EncodeSavedGame(record);
            return QByteArray(reinterpret_cast<const char*>(slot.data()), int(slot.size()));
        };
        const QString notAGame = QStringLiteral("is not a saved game this program can open");
        QTest::newRow("short") << encode(0, 0, [](SavedGame&) {}).left(219) << notAGame;
        QTest::newRow("partner on board")
            << encode(1, 1, [](SavedGame& r) { r.OnBoard[26] = kCardOnBoard; }) << notAGame;
        QTest::newRow("missing") << QByteArray() << QStringLiteral("could not be opened");
        QTest::newRow("a folder") << QByteArray("<folder>") << QStringLiteral("could not be opened");
    }
    void badFilesLeaveTheGameUntouched()
    {
        QFETCH(QByteArray, bytes);
        const QString path = Path(QStringLiteral("bad.bcx"));
        QFile::remove(path);
        QDir(path).removeRecursively();
        QVERIFY(bytes.isEmpty() || (bytes == "<folder>" ? QDir().mkdir(path) : WriteBytes(path, bytes)));
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.GameLogic().imgCard_Click(4);
        const QList<int> before = Board(window);
        QVERIFY(!window.OpenGameFile(NativePath(path)));
        QCOMPARE(messages_->texts.size(), 1);
        QFETCH(QString, says);
        QVERIFY2(messages_->texts[0].contains(says) && messages_->texts[0].contains(QStringLiteral("bad.bcx")),
                 qPrintable(messages_->texts[0]));
        QCOMPARE(Board(window), before);
        QCOMPARE(window.GameLogic().State().FirstCardUp, std::int16_t(1));
    }

    // The save cannot create its temporary file: a message, the old file intact.
    void failedSaveKeepsTheOldFile()
    {
        QVERIFY(WriteBytes(Path(QStringLiteral("notafolder")), "x"));
        const QString target = Path(QStringLiteral("notafolder/keep.bcx"));
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        nextChoice_ = target;
        window.SaveGame();
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY(messages_->texts[0].contains(QStringLiteral("could not be saved"))
                && messages_->texts[0].contains(target));
        QCOMPARE(ReadBytes(Path(QStringLiteral("notafolder"))), QByteArray("x"));
    }
};

QTEST_MAIN(SaveGameWindowTest)
#include "tst_savegamewindow.moc"
