#include "CardTable.h"
#include "GameFiles.h"
#include "RecordedMessages.h"
#include "ScoreKeeper.h"
#include "ScoreTables.h"
#include "Translations.h"
#include "frmBrightmooseConcentration.h"
#include "frmHighScores.h"

#include <QAccessible>
#include <QMenu>
#include <QtTest>

using namespace bmd::ui;

// Each language as --lang asks for it (the row's tag): the language chosen,
// then the Game menu, what a screen reader says of the first card, the end of
// a game and why a 5-byte file is no saved game, in that language; English
// exactly as written for English and for a language the game does not speak.
class TranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { InstallTranslations(QStringLiteral("en")); }

    void windowsInLanguage_data()
    {
        QTest::addColumn<QString>("texts");
        const char* english =
            "en|&Game|&New Game|&Open Game|&Save Game|&High Scores|E&xit|Row 1, card 1, face down|"
            "Game Over!|The file is 5 bytes long; a saved game has at least 220.";
        QTest::newRow("en_GB") << english;
        QTest::newRow("sw") << english;
        QTest::newRow("de_AT") << "de|&Spiel|&Neues Spiel|Spiel ö&ffnen|Spiel &speichern|Bes&tenliste|&Beenden|"
                                  "Reihe 1, Karte 1, verdeckt|Spiel beendet!|"
                                  "Die Datei ist 5 Byte lang; ein gespeichertes Spiel hat mindestens 220.";
        QTest::newRow("fr-CA") << "fr|&Partie|&Nouvelle partie|&Ouvrir une partie|&Enregistrer la partie|"
                                  "&Meilleurs scores|&Quitter|Rangée 1, carte 1, face cachée|Partie terminée\u00a0!|"
                                  "Le fichier fait 5 octets\u00a0; une partie enregistrée en fait au moins 220.";
        QTest::newRow("es") << "es|&Juego|&Nueva partida|&Abrir partida|&Guardar partida|&Mejores puntuaciones|&Salir|"
                               "Fila 1, carta 1, boca abajo|¡Fin de la partida!|"
                               "El archivo tiene 5 bytes; una partida guardada tiene al menos 220.";
    }
    void windowsInLanguage()
    {
        QStringList texts{InstallTranslations(QString::fromLatin1(QTest::currentDataTag()))};
        RecordedMessages messages;
        frmBrightmooseConcentration window;
        const auto* game = window.findChild<QMenu*>(QStringLiteral("mnuGame"));
        texts << game->title();
        for (const QAction* item : game->actions()) {
            texts << item->text();
        }
        window.GameOver();
        QTemporaryFile file;
        QVERIFY(file.open() && file.write("short") == 5 && file.flush());
        ReadGameFile(&window, NativePath(file.fileName()));
        texts << window.Table()->CardName(0) << messages.texts.value(0) << messages.texts.value(1).section("\n\n", 1);
        texts.removeAll(QString()); // the menu's separators
        QTEST(texts.join(QLatin1Char('|')), "texts");

        // Every caption shows whole in its fixed control, a button's with the
        // margins the style wants (6 pixels a side) to spare; a label that
        // wraps has its lines.
        ScoreKeeper scores(std::filesystem::path{});
        frmHighScores entry(&window, scores, true, 30);
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

    // What a screen reader hears of a try and of the end of a game, in each
    // language (the row's tag): each text holds its numbers, a miss and a
    // pair are told apart, and every language says them in its own words.
    void outcomesInLanguage_data()
    {
        QTest::addColumn<int>("unused");
        for (const char* language : {"en", "de", "fr", "es"}) {
            QTest::newRow(language) << 0;
        }
    }
    void outcomesInLanguage()
    {
        const bool english = InstallTranslations(QString::fromLatin1(QTest::currentDataTag())) == "en";
        RecordedMessages messages;
        frmBrightmooseConcentration window;
        const auto said = [](QWidget* speaker) {
            return QAccessible::queryAccessibleInterface(speaker->findChild<QWidget*>(QStringLiteral("Announcer")))
                ->text(QAccessible::Name);
        };
        bmd::GameWindow& game = window;
        QStringList heard;
        game.ShowFace(0, 12); // the queen of spades
        heard << said(&window);
        game.ShowFace(9, 1);
        game.CountersChanged(4, 2);
        game.ShowBack(0);
        game.ShowBack(9);
        heard << said(&window);
        game.ShowFace(0, 12);
        game.ShowFace(1, 38);
        game.CountersChanged(5, 2);
        game.RemovePair(0, 1);
        game.CountersChanged(5, 3);
        heard << said(&window);
        game.ShowFace(2, 53);
        game.ShowFace(3, 54);
        game.CountersChanged(41, 26);
        game.RemovePair(2, 3);
        game.CountersChanged(41, 27);
        heard << said(&window);
        // A table of ten better games has no place for it.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("full.sqlite"));
        tables::Store(*tables::OpenStore(file), tables::Make(QStringList(10, QStringLiteral("30"))));
        ScoreKeeper full(QFile::encodeName(file).toStdString());
        window.SetScoreKeeper(&full);
        game.OfferHighScore(41);
        heard << said(&window);
        ScoreKeeper scores(std::filesystem::path{});
        frmHighScores entry(&window, scores, true, 30);
        entry.show();
        QTRY_VERIFY(!said(&entry).isEmpty());
        heard << said(&entry);

        QCOMPARE(heard.removeDuplicates(), 0);
        for (const auto& [text, numbers] : {std::pair{heard[1], QStringList{"4"}},
                                            {heard[2], {"3", "24"}},
                                            {heard[3], {"41"}},
                                            {heard[4], {"41"}},
                                            {heard[5], {"30", "1"}}}) {
            for (const QString& number : numbers) {
                QVERIFY2(text.contains(number), qPrintable(text));
            }
        }
        static QStringList inEnglish;
        if (english) {
            inEnglish = heard;
        }
        for (int i = 0; !english && i < heard.size(); ++i) {
            QVERIFY2(heard[i] != inEnglish.value(i), qPrintable(heard[i]));
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
