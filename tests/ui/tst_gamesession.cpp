#include "AsAnotherUser.h"
#include "CardImage.h"
#include "CardTable.h"
#include "FileBytes.h"
#include "GameSession.h"
#include "HeldStore.h"
#include "RecordedMessages.h"
#include "SavedGameFile.h"
#include "ScoreTables.h"
#include "ScoredTable.h"
#include "StoreFileProbe.h"
#include "WhileModal.h"
#include "frmBrightmooseConcentration.h"
#include "frmHighScores.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

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
                                         std::filesystem::path store = "registry.sqlite",
                                         int tellAfterMs = ScoreKeeper::kTellAfterMs)
    {
        auto session = std::make_unique<GameSession>(store.empty() ? store : Native(QString::fromStdString(store)),
                                                     std::move(fileToOpen), tellAfterMs);
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

private Q_SLOTS:
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

    // Another program holds the store against writers from before the
    // start: the splash comes all the same, and a score waits for the store,
    // stored once it is free; a player told meanwhile that it could not be
    // saved is told now that it was. When it stays held, the player is told
    // once and the score stays in the table for the run. With no place for
    // scores at all, the same.
    void scoresWaitForTheStore_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<int>("tellAfterMs");
        QTest::addColumn<bool>("released");
        QTest::addColumn<QString>("whatToDo");
        const QString close = "Close the other program: the game keeps trying";
        QTest::newRow("held, released before the player is told") << "held.sqlite" << 60000 << true << "";
        QTest::newRow("held, released after the player was told") << "held.sqlite" << 0 << true << close;
        QTest::newRow("held for good") << "held.sqlite" << 0 << false << close;
        QTest::newRow("no place for scores") << "" << 0 << false << "Nothing needs to be done.";
    }
    void scoresWaitForTheStore()
    {
        QFETCH(QString, store);
        QFETCH(int, tellAfterMs);
        QFETCH(bool, released);
        QFETCH(QString, whatToDo);
        std::optional<HeldStore> other;
        if (store.isEmpty()) { // the data folder cannot be made
            qputenv("XDG_DATA_HOME", "/proc/no-such-folder");
            QVERIFY(ScoreKeeper::DefaultStoreFile().empty());
            qunsetenv("XDG_DATA_HOME");
        } else {
            tables::Store(Path(store), tables::Make({"50", "60"}));
            other.emplace(Path(store), kHoldAgainstWriters);
            QVERIFY(other->Held());
        }
        auto session = Started({}, store.toStdString(), tellAfterMs);
        FinishAndSave(*session, QStringLiteral("Waiting"));
        QCOMPARE(session->Scores().Table().At(1), (HighScoreEntry{"Waiting", "27"}));
        QStringList told{"Game Over!"};
        if (!whatToDo.isEmpty()) {
            QTRY_COMPARE(messages_->texts.size(), 2);
            QVERIFY2(messages_->texts[1].startsWith("Your score could not be saved: ")
                         && messages_->texts[1].contains(whatToDo),
                     qPrintable(messages_->texts[1]));
            told << messages_->texts[1];
        }
        if (released) {
            other->Release();
            QTRY_COMPARE(tables::NextRun(Path(store)).At(1), (HighScoreEntry{"Waiting", "27"}));
            if (tellAfterMs == 0) {
                told << "Your score has now been saved in the high-score table.\n\nNothing needs to be done.";
            }
            QTRY_COMPARE(messages_->texts, told);
            return;
        }
        session->MainWindow()->GameLogic().NewGame();
        FinishAndSave(*session, QStringLiteral("Again"));
        QTest::qWait(ScoreKeeper::kRetryMs + 200); // past the next try of the store
        QCOMPARE(messages_->texts.size(), 3);      // the second game's "Game Over!" only
        QCOMPARE(session->Scores().Table().At(2), (HighScoreEntry{"Again", "27"}));
    }

    // Another program holds the store against readers when a game ends: the
    // window says so, with no table and no place for the game; once the store
    // is free, the stored table decides the place.
    void tableWaitsForTheStore_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("position"); // of the game's 27 tries; 0: none
        QTest::newRow("a place") << QStringList{"20", "30"} << 2;
        QTest::newRow("no place") << QStringList{"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"} << 0;
    }
    void tableWaitsForTheStore()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, position);
        const HighScoreTable table = tables::Make(stored);
        tables::Store(Path("held.sqlite"), table);
        HeldStore other(Path("held.sqlite"), kHoldAgainstReaders);
        QVERIFY(other.Held());
        auto session = Started({}, "held.sqlite");
        QStringList seen; // what the window showed: the waiting text or "table"; the name box; the first row
        WhileModal<frmHighScores> entry([&](frmHighScores* dialog) {
            const auto* waiting = dialog->findChild<QLabel*>(QStringLiteral("lblWaiting"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtPlayer"));
            const auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("fgHighScores"));
            const bool waits = waiting != nullptr && waiting->isVisible();
            const QString state = (waits ? waiting->text() : QStringLiteral("table"))
                                  + (name->isVisible() ? " name " : " - ") + grid->item(1, 0)->text();
            if (seen.isEmpty() || seen.last() != state) {
                seen << state;
            }
            if (seen.size() == 1) {
                QTest::keyClick(dialog, Qt::Key_Escape); // must not drop the waiting score
                other.Release();
            } else if (!waits) {
                name->setText(QStringLiteral("Late"));
                dialog->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
                dialog->accept();
            }
        });
        PlayEveryPair(session->MainWindow()->GameLogic());
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(seen, (QStringList{"The high scores are in use by another program; trying again… - ",
                                    QStringLiteral("table %1 %2").arg(position ? "name" : "-", stored[0])}));
        HighScoreTable expected = table;
        if (position != 0) {
            QCOMPARE(bmd::PlaceNewScore(expected, 27), position);
            expected.At(position).Name = "Late";
        }
        QCOMPARE(tables::NextRun(Path("held.sqlite")), expected);
        QCOMPARE(messages_->texts, QStringList{"Game Over!"});
    }

    // The store in its usual place, in trouble as a player meets it: the
    // table shows what is stored (or, with no store, the defaults), each
    // message says why and what to do, and the game leaves no file it made.
    void storeInTrouble_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<bool>("readsStored");
        QTest::addColumn<QStringList>("told"); // parts of each message, <file> and <folder> for the store's
        const QString saved = "Your score has now been saved in the high-score table.\n\nNothing needs to be done.";
        const QString notSaved = "Your score could not be saved: ";
        const QString readOnly = notSaved + "the high scores in \"<file>\" are read-only.\n\nTo keep scores, you "
                                            "need the right to write in the folder \"<folder>\" and its file.";
        const QString full = notSaved + "the disk that holds \"<file>\" is full.\n\nFree some disk space:";
        const QString noPlace = notSaved + "%1\n\nNothing needs to be done.";
        QTest::newRow("damaged") << "damaged" << false
                                 << QStringList{
                                        "The high-score file \"<file>\" was damaged. Its old scores were kept "
                                        "in \"<file>.damaged-1\", and a fresh table was started."};
        QTest::newRow("read-only folder") << "read-only folder" << true << QStringList{readOnly};
        QTest::newRow("read-only file") << "read-only file" << true << QStringList{readOnly};
        QTest::newRow("full disk, new store") << "full disk" << false << QStringList{full, saved};
        QTest::newRow("full disk, stored scores") << "full disk, stored" << true << QStringList{full, saved};
        QTest::newRow("no HOME") << "no HOME" << false
                                 << QStringList{noPlace.arg("there is no folder where the game may keep its scores.")};
        QTest::newRow("no home at all")
            << "no home" << false
            << QStringList{noPlace.arg("your home folder is not known, so there is no folder where the game may keep "
                                       "its scores.")};
    }
    void storeInTrouble()
    {
        QFETCH(QString, trouble);
        QFETCH(bool, readsStored);
        QFETCH(QStringList, told);
        const bool asAnotherUser = trouble.startsWith("read-only") || trouble.startsWith("no ");
        if (asAnotherUser && IsRoot()) {
            const QString failure = RunAsNobody(
                qPrintable("storeInTrouble:" + QString::fromLatin1(QTest::currentDataTag())),
                trouble == "no home" ? 54321 : 65534);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        if (trouble.startsWith("no ") && (IsRoot() || (::getpwuid(::geteuid()) == nullptr) != (trouble == "no home"))) {
            QSKIP("runs as another user when the test runs as root");
        }
        const QString data = Path(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(QDir().mkpath(data));
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        if (trouble.startsWith("no ")) {
            qunsetenv("HOME");
            qunsetenv("XDG_DATA_HOME");
        } else {
            qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        }
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString file = folder + "/registry.sqlite";
        const HighScoreTable stored = tables::Make({"20", "30"});
        bool mounted = false;
        const auto restore = qScopeGuard([&] {
            dataHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", dataHome);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            if (mounted) {
                QProcess::execute(QStringLiteral("umount"), {data});
            }
        });
        if (trouble.startsWith("full disk")) {
            QProcess mount;
            mount.setProcessChannelMode(QProcess::MergedChannels);
            mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=128k", "tmpfs", data});
            if (!mount.waitForFinished() || mount.exitCode() != 0) {
                QSKIP(qPrintable("no small disk can be mounted here: " + QString::fromLocal8Bit(mount.readAll())));
            }
            mounted = true;
        }
        if (!trouble.startsWith("no ")) {
            QVERIFY(QDir().mkpath(folder));
        }
        if (trouble == "damaged") {
            QVERIFY(WriteBytes(file, QByteArray("This is no database.\n").repeated(200)));
        } else if (readsStored) {
            tables::Store(file, stored);
        }
        if (trouble.startsWith("read-only")) {
            QVERIFY(
                QFile::setPermissions(trouble.endsWith("folder") ? folder : file, QFile::ReadOwner | QFile::ExeOwner));
        }
        QFile filler(data + "/filler");
        if (trouble.startsWith("full disk")) {
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {}
            filler.close();
        }

        ScoreKeeper keeper;
        QCOMPARE(keeper.Table(), readsStored ? stored : bmd::DefaultHighScoreTable());
        keeper.SaveNewScore(15, QStringLiteral("Waiting"), nullptr);
        if (trouble == "no HOME") {
            QCOMPARE(qgetenv("HOME"), QByteArray(::getpwuid(::geteuid())->pw_dir));
        }
        QTRY_COMPARE(messages_->texts.size(), trouble.startsWith("full disk") ? 1 : told.size());
        const QStringList leftBeside = QDir(folder).entryList(QDir::Files);
        if (trouble.startsWith("full disk")) {
            QCOMPARE(leftBeside, readsStored ? QStringList{"registry.sqlite"} : QStringList{});
            QVERIFY(filler.remove());
            QTRY_COMPARE(messages_->texts.size(), told.size());
            QCOMPARE(tables::NextRun(file).At(1), (HighScoreEntry{"Waiting", "15"}));
        } else if (trouble.startsWith("read-only")) {
            QCOMPARE(leftBeside, QStringList{"registry.sqlite"});
        }
        for (int i = 0; i < told.size(); ++i) {
            const QString part = QString(told[i])
                                     .replace("<file>", QDir::toNativeSeparators(file))
                                     .replace("<folder>", QDir::toNativeSeparators(folder));
            QVERIFY2(messages_->texts[i].startsWith(part), qPrintable(messages_->texts[i] + "\n  is not\n" + part));
        }
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
                window.Timer1_Timer(); // resolves under the open view
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
