#include "RecordingGameWindow.h"
#include "savegame/SavedGameFile.h"
#include "ui/CardImage.h"
#include "ui/DeckSmall.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/frmBrightmooseConcentration.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class SaveGameWindowTest : public QObject {
    Q_OBJECT

    QStringList messages_;
    QList<FileDialogRequest> dialogs_;
    QString nextChoice_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    void Click(frmBrightmooseConcentration& window, int index)
    {
        QTest::mouseClick(window.Card(index), Qt::LeftButton);
    }

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

private slots:
    void init()
    {
        messages_.clear();
        dialogs_.clear();
        SetMessageHandlerForTesting([this](const MessageRequest& request) {
            messages_ << request.text;
            return MessageAnswer::Ok;
        });
        SetFileDialogHandlerForTesting([this](const FileDialogRequest& request) {
            dialogs_ << request;
            return nextChoice_;
        });
    }
    void cleanup()
    {
        SetMessageHandlerForTesting({});
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

        frmBrightmooseConcentration opened;
        opened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opened));
        Click(opened, 5);
        Click(opened, 6);
        nextChoice_ = Path(QStringLiteral("game"));
        QTest::keyClick(&opened, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(opened.GameLogic().State().CardFace, saved.GameLogic().State().CardFace);
        QList<int> expected(kCardCount, 0);
        expected[0] = expected[26] = -1;
        QCOMPARE(Board(opened), expected);
        QVERIFY(!opened.TurnTimer().isActive());
        QCOMPARE(opened.GameLogic().State().ClickCount, std::int16_t(0));
        QCOMPARE(opened.StatusPanel(2)->text(), QStringLiteral("2"));
        QCOMPARE(opened.StatusPanel(5)->text(), QStringLiteral("1"));
        QCOMPARE(opened.StatusPanel(7)->text(), QStringLiteral("26"));

        // Opening again gives the same board and leaves the file as it was.
        nextChoice_ = Path(QStringLiteral("game"));
        opened.OpenGame();
        QCOMPARE(Board(opened), expected);
        QCOMPARE(ReadAll(Path(QStringLiteral("game"))), bytes);
        // Each dialog starts with its own last name.
        QCOMPARE(dialogs_.last().initialName, Path(QStringLiteral("game")));
        QCOMPARE(dialogs_.last().kind, FileDialogKind::Open);
    }

    void twentySixPairsFoundOpensToTwoCards()
    {
        SavedGame record;
        for (int k = 0; k < kCardCount; ++k) {
            record.CardFace[k] = static_cast<std::int16_t>(k + 1);
            record.OnBoard[k] = (k == 52 || k == 53) ? kCardOnBoard : kCardFound;
        }
        record.Tries = 40;
        record.MatchesMade = 26;
        QVERIFY(WriteSavedGameFile(Path(QStringLiteral("late.bcx")).toStdString(), record).Ok());

        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        // A finished game first: Save Game is off until the open.
        for (int k = 0; k < 27; ++k) {
            window.GameLogic().imgCard_Click(static_cast<std::int16_t>(k < 26 ? k : 52));
            window.GameLogic().imgCard_Click(static_cast<std::int16_t>(k < 26 ? k + 26 : 53));
            window.GameLogic().Timer1_Timer();
        }
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuSaveGame"))->isEnabled());
        QVERIFY(window.OpenGameFile(Path(QStringLiteral("late.bcx"))));
        QCOMPARE(Board(window).count(0), 2);
        QCOMPARE(window.StatusPanel(5)->text(), QStringLiteral("26"));
        QCOMPARE(window.StatusPanel(7)->text(), QStringLiteral("1"));
        QVERIFY(window.findChild<QAction*>(QStringLiteral("mnuSaveGame"))->isEnabled());
        QVERIFY(window.findChild<QAction*>(QStringLiteral("Toolbar1_SaveGame"))->isEnabled());
    }

    void badFilesLeaveTheGameUntouched_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        SavedGame good;
        for (int k = 0; k < kCardCount; ++k) {
            good.CardFace[k] = static_cast<std::int16_t>(k + 1);
            good.OnBoard[k] = kCardOnBoard;
        }
        const auto encode = [](const SavedGame& record) {
            const SavedGameSlot slot = EncodeSavedGame(record);
            return QByteArray(reinterpret_cast<const char*>(slot.data()), int(slot.size()));
        };
        const QString notAGame = QStringLiteral("is not a saved game this program can open");
        QTest::newRow("short") << encode(good).left(219) << notAGame;
        SavedGame twice = good;
        twice.CardFace[3] = 1;
        QTest::newRow("face twice") << encode(twice) << notAGame;
        SavedGame counters = good;
        counters.MatchesMade = 3;
        QTest::newRow("counters") << encode(counters) << notAGame;
        QTest::newRow("missing") << QByteArray() << QStringLiteral("could not be opened");
    }
    void badFilesLeaveTheGameUntouched()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        const QString path = Path(QStringLiteral("bad.bcx"));
        QFile::remove(path);
        if (!bytes.isEmpty()) {
            WriteAll(path, bytes);
        }
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.GameLogic().imgCard_Click(4);
        const QList<int> before = Board(window);
        QVERIFY(!window.OpenGameFile(path));
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].contains(says), qPrintable(messages_[0]));
        QVERIFY(messages_[0].contains(QStringLiteral("bad.bcx")));
        QCOMPARE(Board(window), before);
        QCOMPARE(window.GameLogic().State().FirstCardUp, std::int16_t(1));
    }

    void failedSaveKeepsTheOldFile()
    {
        const QString target = Path(QStringLiteral("keep.bcx"));
        WriteAll(target, QByteArray(640, '\x07'));
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        // A folder that is really a file cannot take the temporary file.
        WriteAll(Path(QStringLiteral("notafolder")), "x");
        nextChoice_ = Path(QStringLiteral("notafolder/keep.bcx"));
        window.SaveGame();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains(QStringLiteral("could not be saved")));
        QCOMPARE(ReadAll(target), QByteArray(640, '\x07'));
    }

    void cancelAndUnavailableSaveDoNothing()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        nextChoice_.clear();
        window.OpenGame();
        window.SaveGame();
        QCOMPARE(dialogs_.size(), 2);
        QVERIFY(messages_.isEmpty());
        window.GameLogic().imgCard_Click(0);
        window.SaveGame();
        QCOMPARE(dialogs_.size(), 2);
    }
};

QTEST_MAIN(SaveGameWindowTest)
#include "tst_savegamewindow.moc"
