#include "GameFiles.h"
#include "RecordedMessages.h"
#include "ScoreKeeper.h"
#include "Translations.h"
#include "frmBrightmooseConcentration.h"
#include "frmHighScores.h"

#include <QtTest>
#include <QtWidgets>

using namespace bmd::ui;

// Each language the game speaks (the row), English, and one it does not speak
// (English exactly, as written): the Game menu, what a screen reader says of
// tries and their counts and of the high-score entry, the end of a game and
// why a 1- and a 5-byte file are no saved game. In every other language each text
// is its own (translations.complete checks their numbers); every caption
// shows whole in its control.
class TranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("LC_ALL", "C"); } // an unknown language follows this: English
    void cleanupTestCase() { InstallTranslations(QStringLiteral("en")); }

    void windowsInLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en_GB") << "en"; // first: the others differ from it
        QTest::newRow("sw") << "en";
        for (const QString& language : GameLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void windowsInLanguage()
    {
        QFETCH(QString, language);
        QCOMPARE(InstallTranslations(QString::fromLatin1(QTest::currentDataTag())), language);
        RecordedMessages messages;
        frmBrightmooseConcentration window;
        const auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuGame"));
        QStringList texts{menu->title()};
        for (const QAction* item : menu->actions()) {
            texts << item->text();
        }
        bmd::GameWindow& game = window;
        for (const int tries : {1, 4}) {
            game.ShowFace(0, 12); // the queen of spades
            game.ShowFace(9, 1);
            game.CountersChanged(tries, 0);
            game.ShowBack(0);
            game.ShowBack(9);
            texts << window.findChild<QWidget*>("Announcer")->accessibleName();
        }
        game.ShowFace(2, 53);
        game.ShowFace(3, 54);
        game.RemovePair(2, 3);
        game.CountersChanged(41, 27);
        texts << window.findChild<QWidget*>("Announcer")->accessibleName();
        ScoreKeeper scores(std::filesystem::path{});
        frmHighScores entry(&window, scores, true, 30);
        entry.show();
        QTRY_VERIFY(!entry.findChild<QWidget*>("Announcer")->accessibleName().isEmpty());
        texts << entry.findChild<QWidget*>("Announcer")->accessibleName();
        window.GameOver();
        for (const QByteArray bytes : {"s", "short"}) {
            QTemporaryFile saved;
            QVERIFY(saved.open() && saved.write(bytes) == bytes.size() && saved.flush());
            ReadGameFile(&window, NativePath(saved.fileName()));
        }
        texts << messages.texts.value(0) << messages.texts.value(1).section("\n\n", 1)
              << messages.texts.value(2).section("\n\n", 1);
        texts.removeAll(QString()); // the menu's separators

        static QStringList english;
        if (english.isEmpty()) {
            english = texts;
            QCOMPARE(texts.join(QLatin1Char('|')),
                     "&Game|&New Game|&Open Game|&Save Game|&High Scores|E&xit|No pair. 1 try.|No pair. 4 tries.|"
                     "Last pair: jokers. 41 tries.|30 tries: place 1 of the ten best. Type your name and press Enter.|"
                     "Game Over!|The file is 1 byte long; a saved game has at least 220.|The file is 5 bytes long; a "
                     "saved game has at least 220.");
        }
        QCOMPARE(texts.size(), english.size());
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY2((texts[i] == english[i]) == (language == QLatin1String("en")), qPrintable(texts[i]));
        }

        // Every caption shows whole in its fixed control, a button's with the
        // margins the style wants (6 pixels a side) to spare; a label that
        // wraps has its lines.
        window.show();
        for (const QWidget* control : window.findChildren<QWidget*>() + entry.findChildren<QWidget*>()) {
            const bool label = control->inherits("QLabel");
            if ((label && !control->property("wordWrap").toBool()) || control->inherits("QPushButton")) {
                const QString text = control->property("text").toString().remove('&');
                const int room = label ? control->contentsRect().width() - qMax(control->property("indent").toInt(), 0)
                                       : control->width() - 12;
                QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text));
            }
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
