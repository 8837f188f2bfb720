#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "GameSession.h"
#include "HeldStore.h"
#include "RecordedMessages.h"
#include "SavedGameFile.h"
#include "ScoredTable.h"
#include "WhileModal.h"
#include "frmHighScores.h"

#include <QtTest>
#include <QtWidgets>

#include <pwd.h>

using namespace bmd;
using namespace bmd::ui;

class GameSessionTest : public QObject {
    Q_OBJECT

    std::optional<RecordedMessages> messages_;
    std::optional<QTemporaryDir> dir_;

    QString Path(const QString& name) const { return dir_->filePath(name); }
    std::string Native(const QByteArray& name) const
    {
        return (QFile::encodeName(dir_->path()) + "/" + name).toStdString();
    }

    // Starts a session on scores.sqlite and hands over from the splash once
    // it shows, as a key press does.
    std::unique_ptr<GameSession> Started(const QByteArray& fileToOpen, int tellAfterMs = ScoreKeeper::kTellAfterMs)
    {
        auto session = std::make_unique<GameSession>(Native("scores.sqlite"),
                                                     fileToOpen.isEmpty() ? "" : Native(fileToOpen), tellAfterMs);
        session->Start(2026);
        [&] { QVERIFY(QTest::qWaitForWindowExposed(session->Splash())); }();
        QTest::keyClick(session->Splash(), Qt::Key_Space);
        QCoreApplication::processEvents();
        return session;
    }

    // Plays the session's game to the end and saves a name for its place.
    static void FinishAndSave(GameSession& session, const QString& name)
    {
        WhileModal<frmHighScores> entry([&](frmHighScores* dialog) {
            dialog->findChild<QLineEdit*>()->setText(name);
            QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Return);
            dialog->accept();
        });
        PlayEveryPair(session.MainWindow()->GameLogic());
    }

private Q_SLOTS:
    void init()
    {
        messages_.emplace();
        dir_.emplace();
    }
    void cleanup() { messages_.reset(); }

    // A file named on the command line: a good one gives its board, a bad
    // one a message and a deal. Nothing asks for the scores yet.
    void fileOnTheCommandLine_data()
    {
        QTest::addColumn<QByteArray>("name"); // the file name's bytes
        QTest::addColumn<QString>("tries");   // on the board shown
        QTest::newRow("none") << QByteArray("") << "0";
        QTest::newRow("saved game") << QByteArray("good.bcx") << "9";
        QTest::newRow("not a saved game") << QByteArray("bad.bcx") << "0";
        QTest::newRow("missing") << QByteArray("missing.bcx") << "0";
        QTest::newRow("name that is not UTF-8") << QByteArray("caf\xe9.bcx") << "9"; // as an older system wrote it
    }
    void fileOnTheCommandLine()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, tries);
        QVERIFY(WriteSavedGameFile(Native("good.bcx"), OrderedRecord(4, 9)).Ok());
        QVERIFY(WriteSavedGameFile(Native("caf\xe9.bcx"), OrderedRecord(4, 9)).Ok());
        QVERIFY(WriteBytes(Path(QStringLiteral("bad.bcx")), "not a game"));
        auto session = Started(name);
        QVERIFY(!session->Scores().IsOpen() && !QFile::exists(Path(QStringLiteral("scores.sqlite"))));
        QTRY_COMPARE(session->MainWindow()->StatusPanel(2)->text(), tries);
        QCOMPARE(std::ranges::count(session->MainWindow()->GameLogic().OnTable(), true), tries == "9" ? 46 : 54);
        const bool told = tries == "0" && !name.isEmpty();
        QCOMPARE(messages_->texts.size(), told ? 1 : 0);
        QVERIFY(!told || messages_->texts[0].contains(QString::fromLatin1(name)));
    }

    // Held against writers: the score waits for the store, stored once it is
    // free; a player told meanwhile that it could not be saved is told now
    // that it was. When it stays held, the player is told once, and the
    // scores stay in the table for the run.
    void scoresWaitForTheStore_data()
    {
        QTest::addColumn<int>("tellAfterMs");
        QTest::addColumn<bool>("released");
        QTest::newRow("released before the player is told") << 60000 << true;
        QTest::newRow("released after the player was told") << 0 << true;
        QTest::newRow("held for good") << 0 << false;
    }
    void scoresWaitForTheStore()
    {
        QFETCH(int, tellAfterMs);
        QFETCH(bool, released);
        const QString store = Path("scores.sqlite");
        tables::Store(store, tables::Make({"50", "60"}));
        HeldStore other(store, kHoldAgainstWriters);
        QVERIFY(other.Held());
        auto session = Started({}, tellAfterMs);
        FinishAndSave(*session, QStringLiteral("Waiting"));
        QStringList told{"Game Over!"};
        if (tellAfterMs == 0) {
            told << "Your score could not be saved: another program is using the high-score file \"" + store
                        + "\".\n\nClose the other program: the game keeps trying and saves the score as soon as it "
                          "can.\n\nIt stays in the high-score table until you close the game.";
            QTRY_COMPARE(messages_->texts, told);
        }
        if (released) {
            other.Release();
            QTRY_COMPARE(tables::NextRun(store).At(1), (HighScoreEntry{"Waiting", "27"}));
            if (tellAfterMs == 0) {
                told << "Your score has now been saved in the high-score table.\n\nNothing needs to be done.";
            }
            QTRY_COMPARE(messages_->texts, told);
            return;
        }
        session->MainWindow()->GameLogic().NewGame();
        FinishAndSave(*session, QStringLiteral("Again"));
        QTest::qWait(ScoreKeeper::kRetryMs + 200); // past the next try of the store
        QCOMPARE(messages_->texts, told << "Game Over!");
        QCOMPARE(session->Scores().Table().At(2), (HighScoreEntry{"Again", "27"}));
    }

    // A store held when it was first read, with no score waiting, is read
    // again when the table is next needed.
    void heldStoreReadWhenNeeded()
    {
        const QString file = Path("scores.sqlite");
        tables::Store(file, tables::Make({"20", "30"}));
        std::optional<HeldStore> other(std::in_place, file, kHoldAgainstReaders);
        ScoreKeeper keeper(Native("scores.sqlite"));
        keeper.Open();
        QVERIFY(!keeper.TableIsRead());
        QTest::qWait(ScoreKeeper::kRetryMs + 200); // past a try that finds nothing waiting
        other.reset();
        QCOMPARE(keeper.Table(), tables::Make({"20", "30"}));
    }

    // A name that reads as a number is stored as a whole one, read with the locale's
    // decimal point (also run in a German locale).
    void numberNamesFollowTheLocale()
    {
        ScoreKeeper keeper(Native("scores.sqlite"));
        keeper.SaveNewScore(5, QStringLiteral("1,50"), nullptr);
        keeper.SaveNewScore(6, QStringLiteral("2.50"), nullptr);
        const HighScoreTable next = tables::NextRun(Path("scores.sqlite"));
        QCOMPARE(QString::fromStdString(next.At(1).Name + " " + next.At(2).Name),
                 QLocale::system().decimalPoint() == "," ? "2 2.50" : "1,50 2");
    }

    // The store in its usual place, in trouble as a player meets it: each
    // message says why and what to do; the table shows what is stored, or the
    // defaults with no store.
    void storeInTrouble_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QStringList>("told"); // <file> and <folder> for the store's
        const QString notSaved = "Your score could not be saved: ";
        const QString noPlace = notSaved + "%1\n\nNothing needs to be done.";
        QTest::newRow("damaged") << "damaged"
                                 << QStringList{
                                        "The high-score file \"<file>\" was damaged. Its old scores were kept "
                                        "in \"<file>.damaged-1\", and a fresh table was started."};
        QTest::newRow("read-only folder")
            << "read-only"
            << QStringList{notSaved + "the high scores in \"<file>\" are read-only.\n\nTo keep scores, you need the "
                                      "right to write in the folder \"<folder>\" and its file.",
                           "The high scores could not be cleared: the high scores in \"<file>\" are read-only."};
        QTest::newRow("no file in a read-only folder")
            << "read-only, none"
            << QStringList{notSaved + "the high-score file \"<file>\" cannot be opened or made.\n\nTo keep scores"};
        QTest::newRow("full disk") << "full disk"
                                   << QStringList{notSaved + "the disk that holds \"<file>\" is full.\n\nFree some disk "
                                                             "space: the game keeps trying",
                                                  "Your score has now been saved in the high-score table."};
        QTest::newRow("no HOME") << "no HOME"
                                 << QStringList{noPlace.arg("there is no folder where the game may keep its scores.")};
        QTest::newRow("no home at all")
            << "no home"
            << QStringList{noPlace.arg("your home folder is not known, so there is no folder where the game may keep "
                                       "its scores.")};
    }
    void storeInTrouble()
    {
        QFETCH(QString, trouble);
        QFETCH(QStringList, told);
        const bool noHome = trouble.startsWith("no ");
        if ((noHome || trouble.startsWith("read-only")) && IsRoot()) {
            const QString failure = RunAsNobody(
                qPrintable("storeInTrouble:" + QString::fromLatin1(QTest::currentDataTag())),
                trouble == "no home" ? 54321 : 65534);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        if (noHome && (IsRoot() || (::getpwuid(::geteuid()) == nullptr) != (trouble == "no home"))) {
            QSKIP("runs as another user when the test runs as root");
        }
        const QString data = dir_->path();
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        noHome ? (qunsetenv("HOME"), qunsetenv("XDG_DATA_HOME")) : qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString file = folder + "/registry.sqlite";
        const auto restore = qScopeGuard([&] {
            dataHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", dataHome);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QProcess::execute(QStringLiteral("umount"), {"-q", data});
        });
        if (trouble == "full disk"
            && QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=128k", "tmpfs", data}) != 0) {
            QSKIP("no small disk can be mounted here");
        }
        const HighScoreTable stored = tables::Make({"20", "30"});
        const bool readsStored = trouble == "read-only" || trouble == "full disk";
        QVERIFY(noHome || QDir().mkpath(folder));
        QVERIFY(trouble != "damaged" || WriteBytes(file, QByteArray("This is no database.\n").repeated(200)));
        if (readsStored) {
            tables::Store(file, stored);
        }
        QVERIFY(!trouble.startsWith("read-only") || QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QFile filler(data + "/filler");
        if (trouble == "full disk") {
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {}
            filler.close();
        }

        ScoreKeeper keeper;
        QCOMPARE(keeper.Table(), readsStored ? stored : DefaultHighScoreTable());
        keeper.SaveNewScore(15, QStringLiteral("Waiting"), nullptr);
        QVERIFY(trouble != "no HOME" || qgetenv("HOME") == ::getpwuid(::geteuid())->pw_dir);
        QTRY_COMPARE(messages_->texts.size(), 1);
        QVERIFY(noHome
                || QDir(folder).entryList(QDir::Files).value(0) == (trouble.endsWith("none") ? "" : "registry.sqlite"));
        if (trouble == "full disk") {
            QVERIFY(filler.remove());
            QTRY_COMPARE(messages_->texts.size(), 2);
            QCOMPARE(tables::NextRun(file).At(1), (HighScoreEntry{"Waiting", "15"}));
        } else if (trouble == "read-only") {
            QVERIFY(!keeper.ResetHighScores(nullptr));
            QCOMPARE(tables::NextRun(file), stored);
        }
        QCOMPARE(messages_->texts.size(), told.size());
        QStringList shown; // the start of each message, as long as the part expected
        for (int i = 0; i < told.size(); ++i) {
            told[i].replace("<file>", file).replace("<folder>", folder);
            shown << messages_->texts[i].left(told[i].size());
        }
        QCOMPARE(shown, told);
    }
};

QTEST_MAIN(GameSessionTest)
#include "tst_gamesession.moc"
