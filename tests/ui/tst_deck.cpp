#include "ui/DeckSmall.h"
#include "ui/MessageBoxes.h"

#include <QtTest>

using namespace bmd::ui;

class DeckTest : public QObject {
    Q_OBJECT

    QStringList messages_;

private slots:
    void init()
    {
        messages_.clear();
        SetMessageHandlerForTesting([this](const MessageRequest& request) {
            messages_ << request.text;
            return MessageAnswer::Ok;
        });
    }
    void cleanup() { SetMessageHandlerForTesting({}); }

    void picturesHaveTheirSizes()
    {
        DeckSmall deck;
        for (int index = 0; index < DeckSmall::kPictureCount; ++index) {
            const bool card = index < 54 || index == 57 || index == 59;
            QCOMPARE(deck.FacePicture(index).size(), card ? QSize(61, 89) : QSize(71, 96));
        }
    }

    void changeCardHandsOutThatPicture_data()
    {
        QTest::addColumn<int>("face");
        QTest::newRow("ace of spades") << 1;
        QTest::newRow("red joker") << 53;
        QTest::newRow("black joker") << 54;
        QTest::newRow("back") << 60;
        QTest::newRow("last picture") << 68;
    }
    void changeCardHandsOutThatPicture()
    {
        QFETCH(int, face);
        DeckSmall deck;
        QSignalSpy changes(&deck, &DeckSmall::PropertyChanged);
        deck.SetChangeCard(face);
        QCOMPARE(deck.ChangeCard(), face);
        // The very picture, shared rather than copied.
        QCOMPARE(deck.Picture().cacheKey(), deck.FacePicture(face - 1).cacheKey());
        QCOMPARE(deck.Picture().cacheKey(), deck.Picture().cacheKey());
        QCOMPARE(changes.count(), 2);
        QVERIFY(messages_.isEmpty());
    }

    void invalidFaceKeepsThePicture_data()
    {
        QTest::addColumn<int>("face");
        QTest::newRow("0") << 0;
        QTest::newRow("69") << 69;
        QTest::newRow("negative") << -5;
        QTest::newRow("beyond 16 bits") << 40000;
    }
    void invalidFaceKeepsThePicture()
    {
        QFETCH(int, face);
        DeckSmall deck;
        deck.SetChangeCard(12);
        const qint64 before = deck.Picture().cacheKey();
        deck.SetChangeCard(face);
        QCOMPARE(messages_, QStringList{QStringLiteral("Invalid Property Setting!")});
        QCOMPARE(deck.ChangeCard(), face);
        QCOMPARE(deck.Picture().cacheKey(), before);
    }

    void surfaceSizeIsFixed()
    {
        DeckSmall deck;
        QCOMPARE(deck.size(), QSize(32, 39));
        deck.resize(200, 300);
        QCOMPARE(deck.size(), QSize(32, 39));
    }

    void storedPropertiesRoundTrip()
    {
        PropertyBag bag;
        {
            DeckSmall deck;
            deck.InitProperties();
            QVERIFY(deck.Picture().isNull());
            deck.WriteProperties(bag);
            // Defaults are not written.
            QVERIFY(!bag.Contains(QStringLiteral("Picture")));
            QVERIFY(!bag.Contains(QStringLiteral("ChangeCard")));
            deck.SetChangeCard(7);
            deck.WriteProperties(bag);
            QVERIFY(bag.Contains(QStringLiteral("Picture")));
            QCOMPARE(bag.ReadProperty(QStringLiteral("ChangeCard"), 54).toInt(), 7);
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
