#include "DeckSmall.h"
#include "RecordedMessages.h"

#include <QtTest>

using namespace bmd::ui;

class DeckTest : public QObject {
    Q_OBJECT

    RecordedMessages messages_;

private Q_SLOTS:
    void init() { messages_.texts.clear(); }

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
    // copied; any other face gets a message and no picture.
    void changeCard_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<bool>("valid");
        // The ace of spades, the jokers, the back and the last picture; then strays.
        for (const int face : {1, 53, 54, 60, 68, 0, 69, -5, std::numeric_limits<int>::min()}) {
            QTest::addRow("%d", face) << face << (face >= 1 && face <= 68);
        }
    }
    void changeCard()
    {
        QFETCH(int, face);
        QFETCH(bool, valid);
        DeckSmall deck;
        QCOMPARE(deck.Picture(face).cacheKey(), valid ? deck.FacePicture(face - 1).cacheKey() : 0);
        QCOMPARE(messages_.texts, valid ? QStringList() : QStringList{QStringLiteral("Invalid Property Setting!")});
    }

    // On a screen of another scale the deck's pictures keep their size and
    // fill the screen's pixels.
    void followsTheScale_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QSize>("pixels");
        for (const auto& [ratio, pixels] : {std::pair{1.25, QSize(76, 111)},
                                            {1.5, QSize(92, 134)},
                                            {1.75, QSize(107, 156)},
                                            {2.0, QSize(122, 178)},
                                            {3.0, QSize(183, 267)}}) {
            QTest::addRow("%g", ratio) << ratio << pixels;
        }
    }
    void followsTheScale()
    {
        QFETCH(double, ratio);
        QFETCH(QSize, pixels);
        DeckSmall deck;
        deck.Picture(12);
        deck.SetDevicePixelRatio(ratio);
        QCOMPARE(deck.Picture(12).size(), pixels);
        QCOMPARE(deck.Picture(12).deviceIndependentSize().toSize(), QSize(61, 89));
    }
};

QTEST_MAIN(DeckTest)
#include "tst_deck.moc"
