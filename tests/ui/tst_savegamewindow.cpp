// Save Game and Open Game in the main window: the file dialogs, the table and
// the panels after an open, and the messages of a failure. What the file
// holds and which files are refused is left to the core's tests.

#include "CardImage.h"
#include "CardTable.h"
#include "DeckSmall.h"
#include "FileBytes.h"
#include "GameFiles.h"
#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "WhileModal.h"
#include "frmBrightmooseConcentration.h"

#include <QtTest>
#include <QtWidgets>

using namespace bmd;
using namespace bmd::ui;

class SaveGameWindowTest : public QObject {
    Q_OBJECT

    RecordedMessages messages_;
    QStringList dialogs_; // the kind of each file dialog and its first name
    QString nextChoice_;  // "" for Cancel
    std::optional<WhileModal<QFileDialog>> chooser_;

    // Chooses nextChoice_ in a file dialog, as a player does who types its name.
    void Choose(QFileDialog* dialog)
    {
        QLineEdit* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QCOMPARE(dialog->nameFilters(), QStringList{"Brightmoose Derudirodozir Games (*.bcx)"});
        dialogs_ << (dialog->acceptMode() == QFileDialog::AcceptSave ? "save " : "open ")
                        + (name->text().isEmpty() ? QString() : dialog->directory().filePath(name->text()));
        name->setText(nextChoice_);
        // As accept() does, without asking to replace.
        static_cast<QDialog*>(dialog)->done(nextChoice_.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
    }
    QTemporaryDir dir_;
    ScriptedRandom random_{OrderedBoard()};

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // What the player sees: the cards face down and face up, the tries, the
    // matches made and remaining, and Save Game in the menu and the toolbar.
    static QString Seen(frmBrightmooseConcentration& window)
    {
        const qint64 back = window.Table()->Deck()->FacePicture(59).cacheKey();
        int shown[2] = {0, 0}; // face down, face up
        for (int i = 0; i < kCardCount; ++i) {
            const CardImage* card = window.Table()->Card(i);
            shown[card->Picture().cacheKey() != back] += card->isHidden() ? 0 : 1;
        }
        QAction* save = window.findChild<QAction*>(QStringLiteral("mnuSaveGame"));
        const bool saveOn = save->isEnabled() && window.Toolbar()->widgetForAction(save)->isEnabled();
        return QStringLiteral("%1 down %2 up, tries %3 made %4 left %5, save %6")
            .arg(QString::number(shown[0]), QString::number(shown[1]), window.StatusPanel(2)->text(),
                 window.StatusPanel(5)->text(), window.StatusPanel(7)->text(), saveOn ? "on" : "off");
    }

private Q_SLOTS:
    void init()
    {
        messages_.texts.clear();
        chooser_.emplace([this](QFileDialog* dialog) { Choose(dialog); });
    }

    // Saved with a turn pending: both cards count as on the board. Opened
    // over a pair pending, whose late tick must resolve nothing.
    void saveThenOpenRestoresTheGame()
    {
        frmBrightmooseConcentration saved(&random_);
        Play(saved.GameLogic(), QStringLiteral("c0 c26 t c1 c2"));
        nextChoice_ = Path(QStringLiteral("game"));
        saved.findChild<QAction*>(QStringLiteral("mnuSaveGame"))->trigger();
        // No extension is added to a name typed without one.
        const QByteArray bytes = ReadBytes(nextChoice_);
        QCOMPARE(bytes.size(), 640);

        frmBrightmooseConcentration opened(&random_);
        Play(opened.GameLogic(), QStringLiteral("c3 c29"));
        opened.findChild<QAction*>(QStringLiteral("mnuOpenGame"))->trigger();
        QVERIFY(!opened.TurnTimer().isActive());
        opened.Timer1_Timer();
        QCOMPARE(opened.GameLogic().RecordToSave(), saved.GameLogic().RecordToSave());
        const QString restored = QStringLiteral("52 down 0 up, tries 2 made 1 left 26, save on");
        QVERIFY(opened.Table()->Card(0)->isHidden() && opened.Table()->Card(26)->isHidden());
        QCOMPARE(Seen(opened), restored);

        // Opening again gives the same table and leaves the file as it was;
        // Cancel changes nothing; with one card up Save Game asks for no file.
        opened.OpenGame();
        QCOMPARE(Seen(opened), restored);
        QCOMPARE(ReadBytes(Path(QStringLiteral("game"))), bytes);
        nextChoice_.clear();
        opened.OpenGame();
        opened.SaveGame();
        Play(opened.GameLogic(), QStringLiteral("c1"));
        opened.SaveGame();
        QCOMPARE(Seen(opened), QStringLiteral("51 down 1 up, tries 2 made 1 left 26, save off"));
        QVERIFY(messages_.texts.isEmpty());
        // Each dialog starts with its own last name.
        const QString game = Path(QStringLiteral("game"));
        QCOMPARE(dialogs_, QStringList({"save ", "open ", "open " + game, "open " + game, "save "}));
    }

    // A file that does not open: the message names it and says why, and the
    // game goes on as it was, its turn too. A save that fails says so, with its name.
    void failuresAreTold_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // of bad.bcx, or "save" to save into bad/
        QTest::addColumn<QString>("says");
        QTest::newRow("short") << QByteArray(219, '\1') << "\"bad.bcx\" is not a saved game this program can open";
        QTest::newRow("missing") << QByteArray() << "\"bad.bcx\" could not be opened";
        QTest::newRow("save under a file") << QByteArray("save") << "could not be saved to \"bad.bcx/keep.bcx\"";
    }
    void failuresAreTold()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        QFile::remove(Path(QStringLiteral("bad.bcx")));
        QVERIFY(bytes.isEmpty() || WriteBytes(Path(QStringLiteral("bad.bcx")), bytes));
        frmBrightmooseConcentration window(&random_);
        if (bytes == "save") {
            nextChoice_ = Path(QStringLiteral("bad.bcx/keep.bcx"));
            window.SaveGame();
        } else {
            Play(window.GameLogic(), QStringLiteral("c4"));
            QVERIFY(!window.OpenGameFile(NativePath(Path(QStringLiteral("bad.bcx")))));
            QTest::mouseClick(window.Table()->Card(5), Qt::LeftButton);
            QCOMPARE(Seen(window), QStringLiteral("52 down 2 up, tries 1 made 0 left 27, save on"));
        }
        QCOMPARE(messages_.texts.size(), 1);
        QVERIFY2(messages_.texts[0].contains(says.replace("\"bad", '"' + dir_.path() + "/bad")),
                 qPrintable(messages_.texts[0]));
    }
};

QTEST_MAIN(SaveGameWindowTest)
#include "tst_savegamewindow.moc"
