#include "CardTable.h"

#include "Accessibility.h"
#include "CardImage.h"
#include "DeckSmall.h"
#include "WindowStyle.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace bmd::ui {

namespace {

// Yellow stands out from the green table, the blue backs and the white
// faces, whatever the desktop's colours are.
const QColor kFocusMarkColour{255, 255, 0};

// Card places in pixels from the top left of the client area: 72 apart
// across, 96 down.
QPoint CardPlace(int index)
{
    const int row = index / kColumnCount;
    const int column = index % kColumnCount;
    return {8 + 72 * column, 32 + 96 * row};
}

} // namespace

QString CardTable::FaceName(std::int16_t face)
{
    if (face == 53 || face == 54) {
        return face == 53 ? CardTable::tr("red joker") : CardTable::tr("black joker");
    }
    static const char* const ranks[] = {
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "ace"),   QT_TRANSLATE_NOOP("bmd::ui::CardTable", "two"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "three"), QT_TRANSLATE_NOOP("bmd::ui::CardTable", "four"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "five"),  QT_TRANSLATE_NOOP("bmd::ui::CardTable", "six"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "seven"), QT_TRANSLATE_NOOP("bmd::ui::CardTable", "eight"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "nine"),  QT_TRANSLATE_NOOP("bmd::ui::CardTable", "ten"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "jack"),  QT_TRANSLATE_NOOP("bmd::ui::CardTable", "queen"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "king")};
    static const char* const suits[] = {
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "spades"), QT_TRANSLATE_NOOP("bmd::ui::CardTable", "diamonds"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "clubs"), QT_TRANSLATE_NOOP("bmd::ui::CardTable", "hearts")};
    //: A card's face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).
    return CardTable::tr("%1 of %2").arg(CardTable::tr(ranks[(face - 1) % 13]), CardTable::tr(suits[(face - 1) / 13]));
}

QString CardTable::PairName(std::int16_t face)
{
    static const char* const ranks[] = {
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "aces"),   QT_TRANSLATE_NOOP("bmd::ui::CardTable", "twos"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "threes"), QT_TRANSLATE_NOOP("bmd::ui::CardTable", "fours"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "fives"),  QT_TRANSLATE_NOOP("bmd::ui::CardTable", "sixes"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "sevens"), QT_TRANSLATE_NOOP("bmd::ui::CardTable", "eights"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "nines"),  QT_TRANSLATE_NOOP("bmd::ui::CardTable", "tens"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "jacks"),  QT_TRANSLATE_NOOP("bmd::ui::CardTable", "queens"),
        QT_TRANSLATE_NOOP("bmd::ui::CardTable", "kings")};
    return face == 53 || face == 54 ? tr("jokers") : tr(ranks[(face - 1) % 13]);
}

namespace {

// Where a key takes the focus from the card `from`, among the cards still on
// the table: the arrows go to the next card that way, Home and End to the
// ends of the row, with Ctrl to the ends of the table. At an edge the focus
// stays where it is. No value for a key that moves nothing.
std::optional<int> KeyTarget(const CardsOnTable& onTable, int from, int key, bool control)
{
    const auto on = [&](int index) { return onTable[static_cast<std::size_t>(index)]; };
    // The first card on the table from `start` on, `count` places going by `step`.
    const auto scan = [&](int start, int step, int count) {
        for (int n = 0, index = start; n < count; ++n, index += step) {
            if (on(index)) {
                return index;
            }
        }
        return from;
    };
    const int column = from % kColumnCount;
    const int rowStart = from - column;
    switch (key) {
    case Qt::Key_Left:
        return scan(from - 1, -1, column);
    case Qt::Key_Right:
        return scan(from + 1, 1, kColumnCount - 1 - column);
    case Qt::Key_Home:
        return control ? scan(0, 1, kCardCount) : scan(rowStart, 1, kColumnCount);
    case Qt::Key_End:
        return control ? scan(kCardCount - 1, -1, kCardCount) : scan(rowStart + kColumnCount - 1, -1, kColumnCount);
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // The nearest row that still holds a card, and in it the card
        // nearest to this column (the left one of two as near).
        const int step = key == Qt::Key_Up ? -kColumnCount : kColumnCount;
        for (int start = rowStart + step; start >= 0 && start < kCardCount; start += step) {
            int best = -1;
            for (int index = start; index < start + kColumnCount; ++index) {
                if (on(index) && (best < 0 || std::abs(index - start - column) < std::abs(best - start - column))) {
                    best = index;
                }
            }
            if (best >= 0) {
                return best;
            }
        }
        return from;
    }
    default:
        return std::nullopt;
    }
}

// The card still on the table nearest to the place `from`, as the eye
// measures it; of two as near, the later one. -1 for an empty table.
int Nearest(const CardsOnTable& onTable, int from)
{
    int best = -1;
    int bestDistance = 0;
    for (int index = 0; index < kCardCount; ++index) {
        if (!onTable[static_cast<std::size_t>(index)]) {
            continue;
        }
        const QPoint offset = CardPlace(index) - CardPlace(from);
        const int distance = QPoint::dotProduct(offset, offset);
        if (best < 0 || distance < bestDistance || (distance == bestDistance && best < from)) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

void Notify(QObject* object, QAccessible::Event type)
{
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

CardTable::CardTable(int toolbarHeight, QWidget* parent) : QWidget(parent)
{
    InstallAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    shown_.fill(kBackFace);
    for (int i = 0; i < kCardCount; ++i) {
        auto* card = new CardImage(i, this);
        card->setObjectName(QStringLiteral("imgCard%1").arg(i));
        card->setGeometry(QRect(CardPlace(i) - QPoint(0, toolbarHeight), QSize(61, 89)));
        // A click moves the focus too, so that the keys go on from there; the
        // mark stays hidden for the mouse player.
        connect(card, &CardImage::Clicked, this, [this](int index) {
            ShowFocusMark(false);
            Press(index);
        });
        imgCard[static_cast<std::size_t>(i)] = card;
    }
    // The deck is a store of pictures, never part of the table.
    Deck1 = new DeckSmall(this);
    Deck1->setObjectName(QStringLiteral("Deck1"));
    Deck1->move(Px(10200), Px(3600) - toolbarHeight);
    Deck1->hide();
}

QString CardTable::CardName(int index) const
{
    const std::int16_t face = shown_.at(static_cast<std::size_t>(index));
    //: What a screen reader says of a card: its row, its place in the row and its face.
    return tr("Row %1, card %2, %3")
        .arg(index / kColumnCount + 1)
        .arg(index % kColumnCount + 1)
        .arg(face == kBackFace ? tr("face down") : FaceName(face));
}

void CardTable::ShowTable(const CardsOnTable& onTable)
{
    const QPixmap& back = Deck1->Picture(kBackFace);
    onTable_ = onTable;
    for (int i = 0; i < kCardCount; ++i) {
        CardImage* card = Card(i);
        card->SetPicture(back);
        card->setVisible(onTable[static_cast<std::size_t>(i)]);
        if (std::exchange(shown_[static_cast<std::size_t>(i)], kBackFace) != kBackFace) {
            Notify(card, QAccessible::NameChanged);
        }
    }
    // A new table starts at its first card in reading order, and says so
    // even when the focus was there already.
    const int before = focus_;
    const auto first = std::find(onTable_.begin(), onTable_.end(), true);
    MoveFocus(first != onTable_.end() ? static_cast<int>(first - onTable_.begin()) : -1);
    setFocus();
    if (focus_ == before) {
        AnnounceFocus();
    }
}

void CardTable::ShowFace(int index, std::int16_t face)
{
    TurnTo(index, face);
}

void CardTable::ShowBack(int index)
{
    TurnTo(index, kBackFace);
}

void CardTable::RemovePair(int first, int second)
{
    for (const int index : {first, second}) {
        onTable_[static_cast<std::size_t>(index)] = false;
        Card(index)->hide();
    }
    if (focus_ == first || focus_ == second) {
        MoveFocus(Nearest(onTable_, focus_), Heard::Later);
    }
}

void CardTable::TurnTo(int index, std::int16_t face)
{
    shown_[static_cast<std::size_t>(index)] = face;
    // A face the deck does not hold is told by the deck; the card keeps its picture.
    if (const QPixmap& picture = Deck1->Picture(face); !picture.isNull()) {
        Card(index)->SetPicture(picture);
    }
    // The name changes for whoever reads it; a screen reader hears the face
    // (turning back is the window's to say, with the try's outcome).
    Notify(Card(index), QAccessible::NameChanged);
    if (face != kBackFace) {
        Q_EMIT Announce(FaceName(face));
    }
}

void CardTable::Press(int index)
{
    if (index >= 0 && index < kCardCount && IsOnTable(index)) {
        MoveFocus(index);
        Q_EMIT CardClicked(index);
    }
}

void CardTable::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (focus_ < 0 || (modifiers != Qt::NoModifier && modifiers != Qt::ControlModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        ShowFocusMark(true);
        // A held key turns the card once.
        if (!event->isAutoRepeat()) {
            Press(focus_);
        }
        return;
    }
    const std::optional<int> target = KeyTarget(onTable_, focus_, key, modifiers == Qt::ControlModifier);
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    ShowFocusMark(true);
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && *target == focus_ && !event->isAutoRepeat()) {
        //: Said when a key would move the focus off the table.
        Q_EMIT Announce(tr("Edge"));
    }
    MoveFocus(*target);
}

void CardTable::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        ShowFocusMark(true);
    }
    if (focus_ >= 0) {
        update(MarkRect(focus_));
    }
    // After the focus event Qt raises for the table itself, so that the card
    // is what a screen reader hears last.
    QMetaObject::invokeMethod(
        this, [this] { AnnounceFocus(); }, Qt::QueuedConnection);
}

void CardTable::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (focus_ >= 0) {
        update(MarkRect(focus_));
    }
}

void CardTable::paintEvent(QPaintEvent*)
{
    if (!FocusMarkShown()) {
        return;
    }
    // A ring two pixels wide in the gap around the card, a pixel away from it.
    const QRect outer = MarkRect(focus_);
    QPainter painter(this);
    painter.setClipRegion(QRegion(outer) - QRegion(outer.adjusted(2, 2, -2, -2)));
    painter.fillRect(outer, kFocusMarkColour);
}

QRect CardTable::MarkRect(int index) const
{
    return Card(index)->geometry().adjusted(-3, -3, 3, 3);
}

void CardTable::ShowFocusMark(bool shown)
{
    if (markShown_ != shown) {
        markShown_ = shown;
        if (focus_ >= 0) {
            update(MarkRect(focus_));
        }
    }
}

void CardTable::MoveFocus(int index, Heard heard)
{
    if (index == focus_) {
        return;
    }
    if (focus_ >= 0) {
        update(MarkRect(focus_));
    }
    focus_ = index;
    if (focus_ >= 0) {
        update(MarkRect(focus_));
    }
    if (heard == Heard::Now) {
        AnnounceFocus();
    } else {
        QMetaObject::invokeMethod(
            this, [this] { AnnounceFocus(); }, Qt::QueuedConnection);
    }
}

void CardTable::AnnounceFocus()
{
    if (focus_ >= 0 && hasFocus()) {
        Notify(Card(focus_), QAccessible::Focus);
    }
}

bool CardTable::event(QEvent* event)
{
    // Shown, or moved to a screen of another scale: cards drawn for the old
    // scale would be stretched unevenly.
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) {
        FollowScreenScale();
    }
    return QWidget::event(event);
}

void CardTable::FollowScreenScale()
{
    const qreal ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, Deck1->DevicePixelRatio())) {
        return;
    }
    Deck1->SetDevicePixelRatio(ratio);
    for (int i = 0; i < kCardCount; ++i) {
        const std::int16_t face = shown_.at(static_cast<std::size_t>(i));
        if (face != 0) { // 0: not dealt yet
            Card(i)->SetPicture(Deck1->Picture(face));
        }
    }
}

} // namespace bmd::ui
