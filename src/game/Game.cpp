#include "game/Game.h"

#include "game/RandomSource.h"
#include "util/Rounding.h"

#include <string>

namespace bmd {

namespace {

constexpr int kTriesPanel = 2;
constexpr int kMatchesMadePanel = 5;
constexpr int kMatchesRemainingPanel = 7;

std::int16_t CountUp(std::int16_t count)
{
    return count < kMaxCount ? static_cast<std::int16_t>(count + 1) : kMaxCount;
}

} // namespace

std::int16_t DrawFace(double r)
{
    return static_cast<std::int16_t>(RoundHalfEven(r * 53.0 + 1.0));
}

Game::Game(GameWindow& window, RandomSource& random) : window_(window), random_(random) {}

void Game::NewGame()
{
    window_.StopTurnTimer();
    turnPending_ = false;

    for (state_.CardIndex = 1; state_.CardIndex <= kCardCount; ++state_.CardIndex) {
        state_.FaceDealt[state_.CardIndex] = 0;
    }
    random_.Reseed();
    window_.SetDeckChangeCard(kBackFace);

    for (state_.CardIndex = 0; state_.CardIndex < kCardCount; ++state_.CardIndex) {
        const int i = state_.CardIndex;
        SetVisible(i, true);
        window_.SetCardPictureFromDeck(i);
        do {
            state_.DrawnFace = DrawFace(random_.Next());
        } while (state_.FaceDealt[state_.DrawnFace] != 0);
        state_.CardFace[i] = state_.DrawnFace;
        state_.FaceDealt[state_.DrawnFace] = 1;
        window_.SetCardStretch(i, false);
    }

    state_.Tries = 0;
    state_.MatchesMade = 0;
    window_.SetStatusPanelText(kTriesPanel, "0");
    window_.SetSaveGameEnabled(true);
    state_.ClickCount = 0;
    state_.FirstCardUp = 0;
    state_.FirstPick = 0;
    state_.SecondPick = 0;
    window_.SetStatusPanelText(kMatchesMadePanel, "0");
    window_.SetStatusPanelText(kMatchesRemainingPanel, "27");
}

void Game::AdjustCards()
{
    state_.FirstMatchValue = PairKey(state_.CardFace.at(state_.FirstPick));
    state_.SecondMatchValue = PairKey(state_.CardFace.at(state_.SecondPick));
}

void Game::imgCard_Click(std::int16_t Index)
{
    // Found cards are hidden and get no clicks; the check also keeps a stray
    // index from reaching the arrays.
    if (Index < 0 || Index >= kCardCount || !cardVisible_[Index]) {
        return;
    }
    state_.ClickCount = CountUp(state_.ClickCount);
    if (state_.ClickCount > 2) {
        return;
    }
    if (state_.FirstCardUp == 1) {
        if (Index == state_.FirstPick) {
            --state_.ClickCount;
            return;
        }
        window_.StartTurnTimer();
        turnPending_ = true;
        state_.FirstCardUp = 0;
        state_.SecondPick = Index;
        ShowCard(Index, state_.CardFace[Index]);
        state_.Tries = CountUp(state_.Tries);
        window_.SetStatusPanelText(kTriesPanel, std::to_string(state_.Tries));
        window_.SetSaveGameEnabled(true);
    } else {
        state_.FirstCardUp = 1;
        state_.FirstPick = Index;
        ShowCard(Index, state_.CardFace[Index]);
        window_.SetSaveGameEnabled(false);
    }
}

void Game::Timer1_Timer()
{
    if (!turnPending_) {
        return;
    }
    // Stopped before anything else: the game-over box and the high-score
    // window below run nested event loops in which the timer must not fire
    // again for this turn.
    window_.StopTurnTimer();
    turnPending_ = false;

    AdjustCards();
    if (state_.FirstMatchValue != state_.SecondMatchValue) {
        window_.SetDeckChangeCard(kBackFace);
        window_.SetCardPictureFromDeck(state_.FirstPick);
        window_.SetCardPictureFromDeck(state_.SecondPick);
    } else {
        SetVisible(state_.FirstPick, false);
        SetVisible(state_.SecondPick, false);
        state_.MatchesMade = CountUp(state_.MatchesMade);
        window_.SetStatusPanelText(kMatchesMadePanel, std::to_string(state_.MatchesMade));
        window_.SetStatusPanelText(kMatchesRemainingPanel,
                                   std::to_string(kPairCount - state_.MatchesMade));
        if (state_.MatchesMade == kPairCount) {
            window_.ShowMessage("Game Over!");
            window_.SetSaveGameEnabled(false);
            if (qualifies_ && qualifies_(state_.Tries)) {
                window_.ShowHighScoreEntry();
            }
        }
    }
    state_.ClickCount = 0;
}

SavedGame Game::ToSavedGame() const
{
    SavedGame record;
    for (int k = 0; k < kCardCount; ++k) {
        record.CardFace[k] = state_.CardFace[k];
        record.OnBoard[k] = cardVisible_[k] ? -1 : 0;
    }
    record.Tries = state_.Tries;
    record.MatchesMade = state_.MatchesMade;
    return record;
}

void Game::RestoreSavedGame(const SavedGame& record)
{
    window_.SetDeckChangeCard(kBackFace);
    for (state_.CardIndex = 0; state_.CardIndex < kCardCount; ++state_.CardIndex) {
        const int k = state_.CardIndex;
        state_.CardFace[k] = record.CardFace[k];
        window_.SetCardPictureFromDeck(k);
        SetVisible(k, record.OnBoard[k] != 0);
    }
    state_.Tries = record.Tries;
    state_.MatchesMade = record.MatchesMade;
    window_.SetStatusPanelText(kTriesPanel, std::to_string(state_.Tries));
    window_.SetSaveGameEnabled(true);
    window_.SetStatusPanelText(kMatchesMadePanel, std::to_string(state_.MatchesMade));
    window_.SetStatusPanelText(kMatchesRemainingPanel,
                               std::to_string(kPairCount - state_.MatchesMade));
    state_.ClickCount = 0;
    state_.FirstCardUp = 0;
    state_.FirstPick = 0;
    state_.SecondPick = 0;
    window_.StopTurnTimer();
    turnPending_ = false;
}

void Game::ShowCard(int index, std::int16_t face)
{
    window_.SetDeckChangeCard(face);
    window_.SetCardPictureFromDeck(index);
}

void Game::SetVisible(int index, bool visible)
{
    cardVisible_[index] = visible;
    window_.SetCardVisible(index, visible);
}

} // namespace bmd
