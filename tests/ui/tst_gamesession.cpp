#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "GameSession.h"
#include "HeldStore.h"
#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "SavedGameFile.h"
#include "ScoreTables.h"
#include "frmBrightmooseConcentration.h"

#include <QtTest>
#include <QtWidgets>

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

private Q_SLOTS:
    void init()
    {
        messages_.emplace();
        dir_.emplace();
    }
    void cleanup() { messages_.reset(); }

    // A saved game named on the command line, its name not UTF-8 as an older
    // system wrote it: its board shows. Nothing asks for the scores yet.
    void fileOnTheCommandLine()
    {
        QVERIFY(WriteSavedGameFile(Native("caf\xe9.bcx"), OrderedRecord(4, 9)).Ok());
        GameSession session(Native("scores.sqlite"), Native("caf\xe9.bcx"));
        session.Start(2026);
        QVERIFY(QTest::qWaitForWindowExposed(session.Splash()));
        QTest::keyClick(session.Splash(), Qt::Key_Space); // hands over, as any key does
        QTRY_COMPARE(session.MainWindow()->StatusPanel(2)->text(), QStringLiteral("9"));
        QCOMPARE(std::ranges::count(session.MainWindow()->GameLogic().OnTable(), true), 46);
        QVERIFY(!session.Scores().IsOpen() && !QFile::exists(Path("scores.sqlite")) && messages_->texts.isEmpty());
    }

    // Held against writers: two scores wait for the store, kept in the table
    // for the run, and are stored once it is free; a name that reads as a
    // number as a whole one, read with the locale's decimal point (also run
    // in a German locale). A player told (once) that they could not be saved
    // is told now that they were.
    void scoresWaitForTheStore_data()
    {
        QTest::addColumn<int>("tellAfterMs");
        QTest::newRow("released before the player is told") << 60000;
        QTest::newRow("released after the player was told") << ScoreKeeper::kRetryMs;
    }
    void scoresWaitForTheStore()
    {
        QFETCH(int, tellAfterMs);
        const QString store = Path("scores.sqlite");
        tables::Store(store, tables::Make({"50", "60"}));
        std::optional<HeldStore> other(std::in_place, store, kHoldAgainstWriters);
        ScoreKeeper keeper(Native("scores.sqlite"), tellAfterMs);
        QStringList told{"Your score could not be saved: another program is using the high-score file \"" + store
                             + "\".\n\nClose the other program: the game keeps trying and saves the score as soon as "
                               "it can.\n\nIt stays in the high-score table until you close the game.",
                         "Your score has now been saved in the high-score table.\n\nNothing needs to be done."};
        told = told.mid(0, tellAfterMs == ScoreKeeper::kRetryMs ? 2 : 0);
        for (const char* name : {"1,50", "2.50"}) {
            keeper.SaveNewScore(27, QString::fromLatin1(name), nullptr);
            QTest::qWait(ScoreKeeper::kRetryMs + 350); // past the first try of the store, told there
            QCOMPARE(messages_->texts, told.mid(0, 1));
        }
        QCOMPARE(keeper.Table().At(2), (HighScoreEntry{"2.50", "27"}));
        other.reset();
        QTRY_COMPARE(tables::NextRun(store).At(2).Score, std::string("27"));
        const HighScoreTable next = tables::NextRun(store);
        QCOMPARE(QString::fromStdString(next.At(1).Name + " " + next.At(2).Name),
                 QLocale::system().decimalPoint() == "," ? "2 2.50" : "1,50 2");
        QTRY_COMPARE(messages_->texts, told);
    }

    // A store held when it was first read, with no score waiting, is read
    // again when next needed; whether a score takes a place is judged on the
    // table as stored now, another copy's scores included.
    void storeReadWhenNeeded()
    {
        const QString store = Path("scores.sqlite");
        tables::Store(store, tables::Make({"20", "30"}));
        std::optional<HeldStore> other(std::in_place, store, kHoldAgainstReaders);
        ScoreKeeper keeper(Native("scores.sqlite"));
        keeper.Open();
        QTest::qWait(ScoreKeeper::kRetryMs + 200); // past a try that finds nothing waiting
        other.reset();
        QCOMPARE(keeper.Table(), tables::Make({"20", "30"}));
        tables::Store(store, tables::Make(QStringList(10, "10")));
        QVERIFY(!keeper.Qualifies(50));
    }

    // The store in its usual place, in trouble as a player meets it (the
    // row): the messages say why and what to do (the parts given, <file> and
    // <folder> for the store's); the table shows what is stored, or the defaults.
    void storeInTrouble_data()
    {
        QTest::addColumn<QString>("told");
        QTest::newRow("damaged") << "\"<file>\" was damaged. Its old scores were kept in \"<file>.damaged-1\"";
        QTest::newRow("read-only") << "saved: the high scores in \"<file>\" are read-only.+write in the folder "
                                      "\"<folder>\".+cleared: the high scores in \"<file>\" are read-only";
        QTest::newRow("read-only, no file") << "saved: the high-score file \"<file>\" cannot be opened or made";
        QTest::newRow("full disk") << "saved: the disk that holds \"<file>\" is full.+Free some.+has now been saved";
        QTest::newRow("no HOME") << "saved: there is no folder where the game may keep its scores.+Nothing needs";
        QTest::newRow("no home") << "saved: your home folder is not known";
    }
    void storeInTrouble()
    {
        const QString trouble = QString::fromLatin1(QTest::currentDataTag());
        QFETCH(QString, told);
        const bool noHome = trouble.startsWith("no ");
        if ((noHome || trouble.startsWith("read-only")) && IsRoot()) {
            const QString failure = RunAsNobody(qPrintable("storeInTrouble:" + trouble),
                                                trouble == "no home" ? 54321 : 65534);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        if (noHome && ::geteuid() != (trouble == "no home" ? 54321U : 65534U)) {
            QSKIP("runs as another user when the test runs as root");
        }
        const QString data = dir_->path();
        noHome ? (qunsetenv("HOME"), qunsetenv("XDG_DATA_HOME")) : qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString file = folder + "/registry.sqlite";
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QProcess::execute(QStringLiteral("umount"), {"-q", data});
        });
        if (trouble == "full disk"
            && QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=128k", "tmpfs", data}) != 0) {
            QSKIP("no small disk can be mounted here");
        }
        const HighScoreTable stored = tables::Make({"20"});
        const bool readsStored = trouble == "read-only" || trouble == "full disk";
        QVERIFY(noHome || QDir().mkpath(folder));
        QVERIFY(trouble != "damaged" || WriteBytes(file, QByteArray("This is no database.\n").repeated(200)));
        if (readsStored) {
            tables::Store(file, stored);
        }
        QVERIFY(!trouble.startsWith("read-only") || QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QFile filler(data + "/filler");
        QVERIFY(trouble != "full disk" || filler.open(QIODevice::WriteOnly));
        while (filler.isOpen() && filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {}
        filler.close();

        ScoreKeeper keeper;
        QCOMPARE(keeper.Table(), readsStored ? stored : DefaultHighScoreTable());
        keeper.SaveNewScore(15, QStringLiteral("Waiting"), nullptr);
        QTRY_COMPARE(messages_->texts.size(), 1);
        if (trouble == "full disk") {
            QTest::qWait(ScoreKeeper::kRetryMs + 200); // still full at the next try
            QVERIFY(filler.remove());
            QTRY_COMPARE(messages_->texts.size(), 2);
            QCOMPARE(tables::NextRun(file).At(1), (HighScoreEntry{"Waiting", "15"}));
        } else if (trouble == "read-only") {
            QVERIFY(!keeper.ResetHighScores(nullptr));
            QCOMPARE(tables::NextRun(file), stored);
        }
        QCOMPARE(messages_->texts.size(), readsStored ? 2 : 1);
        told.replace("<file>", QRegularExpression::escape(file))
            .replace("<folder>", QRegularExpression::escape(folder));
        const QRegularExpression expected(told, QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(expected.match(messages_->texts.join('|')).hasMatch(), qPrintable(messages_->texts.join('|')));
    }
};

QTEST_MAIN(GameSessionTest)
#include "tst_gamesession.moc"
