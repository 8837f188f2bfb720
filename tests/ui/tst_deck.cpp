#include "RecordedMessages.h"
#include "ui/DeckSmall.h"

#include <QtTest>

using namespace bmd::ui;

class DeckTest : public QObject {
    Q_OBJECT

    std::optional<RecordedMessages> messages_;

private slots:
    void init() { messages_.emplace(); }
    void cleanup() { messages_.reset(); }

    void picturesAndSurfaceHaveTheirSizes()
    {
        DeckSmall deck;
        for (int index = 0; index < DeckSmall::kPictureCount; ++index) {
            const bool card = index < 54 || index == 57 || index == 59;
            QCOMPARE(deck.FacePicture(index).size(), card ? QSize(61, 89) : QSize(71, 96));
        }
        deck.resize(200, 300);
        QCOMPARE(deck.size(), QSize(32, 39));
    }

    // A face of 1 to 68 hands out picture face - 1 itself, shared rather than
    // copied; any other face is kept, with a message, and the picture stays.
    void changeCard_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ace of spades") << 1 << true;
        QTest::newRow("red joker") << 53 << true;
        QTest::newRow("black joker") << 54 << true;
        QTest::newRow("back") << 60 << true;
        QTest::newRow("last picture") << 68 << true;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("69") << 69 << false;
        QTest::newRow("negative") << -5 << false;
        QTest::newRow("beyond 16 bits") << 40000 << false;
    }
    void changeCard()
    {
        QFETCH(int, face);
        QFETCH(bool, valid);
        DeckSmall deck;
        deck.SetChangeCard(12);
        QSignalSpy changes(&deck, &DeckSmall::PropertyChanged);
        deck.SetChangeCard(face);
        QCOMPARE(deck.ChangeCard(), face);
        QCOMPARE(deck.Picture().cacheKey(), deck.FacePicture(valid ? face - 1 : 11).cacheKey());
        QCOMPARE(messages_->texts, valid ? QStringList() : QStringList{QStringLiteral("Invalid Property Setting!")});
        if (valid) {
            QCOMPARE(changes.count(), 2);
        }
    }

    void storedPropertiesRoundTrip()
    {
        PropertyBag bag;
        {
            DeckSmall deck;
            deck.InitProperties();
            QVERIFY(deck.Picture().isNull());
            deck.WriteProperties(bag);
            QVERIFY(!bag.Contains(QStringLiteral("Picture")) && !bag.Contains(QStringLiteral("ChangeCard")));
            deck.SetChangeCard(7);
            deck.WriteProperties(bag);
            QVERIFY(bag.Contains(QStringLiteral("Picture")));
        }
        DeckSmall loaded;
        loaded.ReadProperties(bag);
        QCOMPARE(loaded.ChangeCard(), 7);
        // A loaded instance shows picture 54 until ChangeCard is set.
        QCOMPARE(loaded.Picture().cacheKey(), loaded.FacePicture(54).cacheKey());
    }
};

QTEST_MAIN(DeckTest)
#include "tst_deck.moc"
