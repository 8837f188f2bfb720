#include "FileBytes.h"
#include "RecordedMessages.h"
#include "ScoreTables.h"
#include "ScoredTable.h"
#include "StoreFileProbe.h"
#include "WhileModal.h"
#include "savegame/SavedGameFile.h"
#include "ui/CardImage.h"
#include "ui/CardTable.h"
#include "ui/GameSession.h"
#include "ui/frmBrightmooseConcentration.h"
#include "ui/frmHighScores.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

class GameSessionTest : public QObject {
    Q_OBJECT

    std::optional<RecordedMessages> messages_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    std::filesystem::path Native(const QString& name) const { return QFile::encodeName(Path(name)).toStdString(); }

    // Starts a session and hands over from the splash once it shows, as a key press does.
    std::unique_ptr<GameSession> Started(std::filesystem::path fileToOpen,
                                         std::filesystem::path store = "registry.sqlite")
    {
        auto session = std::make_unique<GameSession>(store.empty() ? store : Native(QString::fromStdString(store)),
                                                     std::move(fileToOpen));
        session->Start(2026);
        [&] { QVERIFY(QTest::qWaitForWindowExposed(session->Splash())); }();
        QTest::keyClick(session->Splash(), Qt::Key_Space);
        [&] { QVERIFY(session->MainWindow() != nullptr); }();
        QCoreApplication::processEvents();
        return session;
    }

    // Plays the session's game to the end and saves a name for its place.
    void FinishAndSave(GameSession& session, const QString& name)
    {
        WhileModal<frmHighScores> entry([&](frmHighScores* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("txtPlayer"))->setText(name);
            dialog->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
            dialog->accept();
        });
        PlayEveryPair(session.MainWindow()->GameLogic());
    }

private slots:
    void init() { messages_.emplace(); }
    void cleanup() { messages_.reset(); }

    // The first start writes the defaults and opens a file named on the
    // command line: a good one gives its board, a bad one a message and a deal.
    void fileOnTheCommandLine_data()
    {
        QTest::addColumn<QByteArray>("name"); // the file name's bytes
        QTest::newRow("none") << QByteArray("");
        QTest::newRow("saved game") << QByteArray("good.bcx");
        QTest::newRow("not a saved game") << QByteArray("bad.bcx");
        QTest::newRow("missing") << QByteArray("missing.bcx");
        QTest::newRow("name that is not UTF-8") << QByteArray("caf\xe9.bcx"); // as an older system wrote it
    }
    void fileOnTheCommandLine()
    {
        QFETCH(QByteArray, name);
        const std::filesystem::path file = QFile::encodeName(dir_.path()).toStdString() + "/" + name.toStdString();
        const SavedGame record = OrderedRecord(4, 9);
        QVERIFY(WriteSavedGameFile(Native(QStringLiteral("good.bcx")), record).Ok());
        QVERIFY(WriteSavedGameFile(QFile::encodeName(dir_.path()).toStdString() + "/caf\xe9.bcx", record).Ok());
        QVERIFY(WriteBytes(Path(QStringLiteral("bad.bcx")), "not a game"));

        auto session = Started(name.isEmpty() ? std::filesystem::path() : file);
        // Nothing asked for the scores yet: the store is not even opened.
        QVERIFY(!session->Scores().IsOpen() && !QFile::exists(Path(QStringLiteral("registry.sqlite"))));
        frmBrightmooseConcentration& window = *session->MainWindow();
        const bool opens = name == "good.bcx" || name.startsWith("caf");
        QTRY_COMPARE(int(std::ranges::count(window.GameLogic().OnTable(), true)), opens ? 46 : 54);
        QCOMPARE(messages_->texts.size(), opens || name.isEmpty() ? 0 : 1);
        QVERIFY(opens || name.isEmpty() || messages_->texts[0].contains(QString::fromLatin1(name)));
        QCOMPARE(window.StatusPanel(2)->text(), opens ? QStringLiteral("9") : QStringLiteral("0"));
    }

    // Another program holds the store from before the start: the splash comes
    // all the same, and a score waits for the store, stored once it is free,
    // or, when it stays held, the player is told once and the score stays in
    // the table for the run. With no place for scores at all, the same.
    void scoresWaitForTheStore_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<bool>("released");
        QTest::newRow("held, then released") << "held.sqlite" << true;
        QTest::newRow("held for good") << "held.sqlite" << false;
        QTest::newRow("no place for scores") << "" << false;
    }
    void scoresWaitForTheStore()
    {
        QFETCH(QString, store);
        QFETCH(bool, released);
        std::optional<probe::Database> other;
        if (store.isEmpty()) { // the data folder cannot be made
            qputenv("XDG_DATA_HOME", "/proc/no-such-folder");
            QVERIFY(ScoreKeeper::DefaultStoreFile().empty());
            qunsetenv("XDG_DATA_HOME");
        } else {
            tables::Store(Path(store), tables::Make({"50", "60"}));
            other.emplace(Path(store));
            QCOMPARE(other->Execute("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;"
                                    " UPDATE registry_values SET type = type;"),
                     SQLITE_OK);
        }
        auto session = Started({}, store.toStdString());
        session->Scores().SetTellAfterForTesting(released ? 60000 : 0);
        FinishAndSave(*session, QStringLiteral("Waiting"));
        QCOMPARE(session->Scores().Table().At(1), (HighScoreEntry{"Waiting", "27"}));
        if (released) {
            QCOMPARE(other->Execute("ROLLBACK"), SQLITE_OK);
            other.reset();
            QTRY_COMPARE(tables::NextRun(Path(store)).At(1), (HighScoreEntry{"Waiting", "27"}));
            QCOMPARE(messages_->texts, QStringList{"Game Over!"});
            return;
        }
        QTRY_COMPARE(messages_->texts.size(), 2);
        QVERIFY2(messages_->texts[1].startsWith("Your score could not be saved: "), qPrintable(messages_->texts[1]));
        session->MainWindow()->GameLogic().NewGame();
        FinishAndSave(*session, QStringLiteral("Again"));
        QTest::qWait(ScoreKeeper::kRetryMs + 200); // past the next try of the store
        QCOMPARE(messages_->texts.size(), 3);      // the second game's "Game Over!" only
        QCOMPARE(session->Scores().Table().At(2), (HighScoreEntry{"Again", "27"}));
    }

    // A game that ends while the table is viewed gets its entry once the view
    // has closed (a game ending otherwise opens its entry: FinishAndSave).
    void gameEndOpensTheEntry()
    {
        ScoredTable game(Path(QStringLiteral("entry.sqlite")));
        frmBrightmooseConcentration& window = game.window;
        PlayEveryPair(window.GameLogic(), false); // the last turn waits for its tick
        QList<bool> opened;                       // the mode of each high-score window that opened
        WhileModal<frmHighScores> closer([&](frmHighScores* dialog) {
            opened << dialog->NewScorePending;
            if (opened.size() == 1) {
                window.GameLogic().Timer1_Timer(); // resolves under the open view
            }
            dialog->reject();
        });
        window.mnuHighScores_Click();
        QCOMPARE(opened, (QList<bool>{false, true}));
        QCOMPARE(messages_->texts, QStringList{QStringLiteral("Game Over!")});
    }
};

QTEST_MAIN(GameSessionTest)
#include "tst_gamesession.moc"
