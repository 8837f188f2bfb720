#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "savegame/SavedGameFile.h"
#include "ui/CardImage.h"
#include "ui/DeckSmall.h"
#include "ui/FileDialogs.h"
#include "ui/frmBrightmooseConcentration.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
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

    static QByteArray ReadAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool WriteAll(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
    static void Click(frmBrightmooseConcentration& window, int index) { QTest::mouseClick(window.Card(index), Qt::LeftButton); }

    // The board as a player sees it: -1 hidden, 0 face down, else the face up.
    static QList<int> Board(frmBrightmooseConcentration& window)
    {
        QList<int> board;
        const qint64 back = window.Deck()->FacePicture(59).cacheKey();
        for (int i = 0; i < kCardCount; ++i) {
            const CardImage* card = window.Card(i);
            board << (card->isHidden() ? -1 : card->Picture().cacheKey() == back ? 0 : 1);
        }
        return board;
    }
    static bool SaveGameEnabled(QWidget& window)
    {
        return window.findChild<QAction*>(QStringLiteral("mnuSaveGame"))->isEnabled()
               && window.findChild<QAction*>(QStringLiteral("Toolbar1_SaveGame"))->isEnabled();
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
        const QByteArray bytes = ReadAll(Path(QStringLiteral("game")));
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
        QCOMPARE(ReadAll(Path(QStringLiteral("game"))), bytes);
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
        for (int k = 0; k < 27; ++k) {
            window.GameLogic().imgCard_Click(static_cast<std::int16_t>(k < 26 ? k : 52));
            window.GameLogic().imgCard_Click(static_cast<std::int16_t>(k < 26 ? k + 26 : 53));
            window.GameLogic().Timer1_Timer();
        }
        QCOMPARE(messages_->texts, QStringList{QStringLiteral("Game Over!")});
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuSaveGame"))->isEnabled());
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("Toolbar1_SaveGame"))->isEnabled());
        QVERIFY(window.OpenGameFile(Path(QStringLiteral("late.bcx"))));
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
        QTest::newRow("face twice") << encode(0, 0, [](SavedGame& r) { r.CardFace[3] = 1; }) << notAGame;
        QTest::newRow("partner on board") << encode(1, 1, [](SavedGame& r) { r.OnBoard[26] = kCardOnBoard; }) << notAGame;
        QTest::newRow("counters") << encode(0, 3, [](SavedGame& r) { r.MatchesMade = 3; }) << notAGame;
        QTest::newRow("tries below matches") << encode(2, 1, [](SavedGame&) {}) << notAGame;
        QTest::newRow("tries negative") << encode(0, -1, [](SavedGame&) {}) << notAGame;
        QTest::newRow("640 zero bytes") << QByteArray(640, '\0') << notAGame;
        QTest::newRow("missing") << QByteArray() << QStringLiteral("could not be opened");
        QTest::newRow("a folder") << QByteArray("<folder>") << QStringLiteral("could not be opened");
    }
    void badFilesLeaveTheGameUntouched()
    {
        QFETCH(QByteArray, bytes);
        const QString path = Path(QStringLiteral("bad.bcx"));
        QFile::remove(path);
        QDir(path).removeRecursively();
        QVERIFY(bytes.isEmpty() || (bytes == "<folder>" ? QDir().mkdir(path) : WriteAll(path, bytes)));
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.GameLogic().imgCard_Click(4);
        const QList<int> before = Board(window);
        QVERIFY(!window.OpenGameFile(path));
        QCOMPARE(messages_->texts.size(), 1);
        QFETCH(QString, says);
        QVERIFY2(messages_->texts[0].contains(says) && messages_->texts[0].contains(QStringLiteral("bad.bcx")), qPrintable(messages_->texts[0]));
        QCOMPARE(Board(window), before);
        QCOMPARE(window.GameLogic().State().FirstCardUp, std::int16_t(1));
    }

    // The save cannot create its temporary file: a message, the old file intact.
    void failedSaveKeepsTheOldFile()
    {
        QVERIFY(WriteAll(Path(QStringLiteral("notafolder")), "x"));
        const QString target = Path(QStringLiteral("notafolder/keep.bcx"));
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        nextChoice_ = target;
        window.SaveGame();
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY(messages_->texts[0].contains(QStringLiteral("could not be saved")) && messages_->texts[0].contains(target));
        QCOMPARE(ReadAll(Path(QStringLiteral("notafolder"))), QByteArray("x"));
    }
};

QTEST_MAIN(SaveGameWindowTest)
#include "tst_savegamewindow.moc"
