#include "DeckSmall.h"
#include "RecordedMessages.h"

#include <QtTest>

using namespace bmd::ui;

class DeckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Faces 1 to 68 hand out their picture, shared rather than copied, cards
    // and the wider extra pictures each at their size; any other face gets a
    // message and no picture. The deck's own surface keeps its small size.
    void picturesHandedOut()
    {
        RecordedMessages messages;
        DeckSmall deck;
        for (const int face : {1, 54, 55, 58, 60, 68, 0, 69, -5}) {
            const bool valid = face >= 1 && face <= 68;
            const bool card = face <= 54 || face == 58 || face == 60;
            QCOMPARE(deck.Picture(face).cacheKey(), valid ? deck.FacePicture(face - 1).cacheKey() : 0);
            QCOMPARE(deck.Picture(face).size(), valid ? (card ? QSize(61, 89) : QSize(71, 96)) : QSize(0, 0));
        }
        QCOMPARE(messages.texts, QStringList(6, QStringLiteral("Invalid Property Setting!")));
        deck.resize(200, 300);
        QCOMPARE(deck.size(), QSize(32, 39));
    }

    // On a screen of another scale the pictures keep their size and fill
    // the screen's pixels, rounded to the nearest.
    void followsTheScale()
    {
        DeckSmall deck;
        deck.Picture(12);
        for (const auto& [ratio, pixels] : {std::pair{1.25, QSize(76, 111)}, {1.75, QSize(107, 156)}}) {
            deck.SetDevicePixelRatio(ratio);
            QCOMPARE(deck.Picture(12).size(), pixels);
            QCOMPARE(deck.Picture(12).deviceIndependentSize().toSize(), QSize(61, 89));
        }
    }
};

QTEST_MAIN(DeckTest)
#include "tst_deck.moc"
