#include "Game.h"

#include "RandomSource.h"
#include "Rounding.h"

#include <cassert>

namespace bmd {

namespace {

std::int16_t CountUp(std::int16_t count)
{
    return count < kMaxCount ? static_cast<std::int16_t>(count + 1) : kMaxCount;
}

} // namespace

std::int16_t DrawFace(double r)
{
    return static_cast<std::int16_t>(RoundHalfEven(r * 53.0 + 1.0));
}

Game::Game(GameWindow& window, RandomSource& random) : window_(window), random_(random)
{
}

void Game::NewGame()
{
    window_.StopTurnTimer();
    turnPending_ = false;

    std::array<bool, kCardCount + 1> faceDealt{}; // by face 1-54; entry 0 unused
    random_.Reseed();
    for (std::size_t cardIndex = 0; cardIndex < kCardCount; ++cardIndex) {
        std::int16_t drawnFace = 0;
        do {
            drawnFace = DrawFace(random_.Next());
        } while (faceDealt[static_cast<std::size_t>(drawnFace)]);
        state_.CardFace[cardIndex] = drawnFace;
        faceDealt[static_cast<std::size_t>(drawnFace)] = true;
    }
    onTable_.fill(true);
    window_.ShowTable(onTable_);

    state_.Tries = 0;
    state_.MatchesMade = 0;
    StartTurns();
    ShowCounters();
    SetCanSave(true);
}

void Game::AdjustCards()
{
    state_.FirstMatchValue = PairKey(state_.CardFace.at(static_cast<std::size_t>(state_.FirstPick)));
    state_.SecondMatchValue = PairKey(state_.CardFace.at(static_cast<std::size_t>(state_.SecondPick)));
}

void Game::TurnCard(int index)
{
    // Found cards are gone and get no clicks. A stray index never reaches the
    // arrays: one comparison of the unsigned place turns away negative ones
    // too, which wrap round to large numbers.
    if (static_cast<std::size_t>(index) >= onTable_.size() || !onTable_[static_cast<std::size_t>(index)]) {
        return;
    }
    const auto place = static_cast<std::int16_t>(index);
    state_.ClickCount = CountUp(state_.ClickCount);
    if (state_.ClickCount > 2) {
        return;
    }
    if (state_.FirstCardUp) {
        if (place == state_.FirstPick) {
            --state_.ClickCount;
            return;
        }
        window_.StartTurnTimer();
        turnPending_ = true;
        state_.FirstCardUp = false;
        state_.SecondPick = place;
        window_.ShowFace(index, state_.CardFace[static_cast<std::size_t>(index)]);
        state_.Tries = CountUp(state_.Tries);
        ShowCounters();
        SetCanSave(true);
    } else {
        state_.FirstCardUp = true;
        state_.FirstPick = place;
        window_.ShowFace(index, state_.CardFace[static_cast<std::size_t>(index)]);
        SetCanSave(false);
    }
}

void Game::EndTurn()
{
    if (!turnPending_) {
        return;
    }
    // Stopped before anything else: the game-over message and the high-score
    // window run nested event loops in which the timer must not fire again
    // for this turn.
    window_.StopTurnTimer();
    turnPending_ = false;

    AdjustCards();
    const int first = state_.FirstPick;
    const int second = state_.SecondPick;
    assert(first != second && onTable_[first] && onTable_[second]);
    if (state_.FirstMatchValue != state_.SecondMatchValue) {
        window_.ShowBack(first);
        window_.ShowBack(second);
    } else {
        onTable_[first] = false;
        onTable_[second] = false;
        window_.RemovePair(first, second);
        state_.MatchesMade = CountUp(state_.MatchesMade);
        ShowCounters();
        if (state_.MatchesMade == kPairCount) {
            window_.GameOver();
            SetCanSave(false);
            window_.OfferHighScore(state_.Tries);
        }
    }
    state_.ClickCount = 0;
}

SavedGame Game::RecordToSave() const
{
    SavedGame record;
    for (std::size_t k = 0; k < kCardCount; ++k) {
        record.CardFace[k] = state_.CardFace[k];
        record.OnBoard[k] = onTable_[k] ? kCardOnBoard : kCardFound;
    }
    record.Tries = state_.Tries;
    record.MatchesMade = state_.MatchesMade;
    return record;
}

void Game::Restore(const SavedGame& record)
{
    assert(ValidateSavedGame(record).Ok());
    for (std::size_t k = 0; k < kCardCount; ++k) {
        state_.CardFace[k] = record.CardFace[k];
        onTable_[k] = record.OnBoard[k] != kCardFound;
    }
    window_.ShowTable(onTable_);
    state_.Tries = record.Tries;
    state_.MatchesMade = record.MatchesMade;
    ShowCounters();
    SetCanSave(true);
    StartTurns();
    window_.StopTurnTimer();
    turnPending_ = false;
}

// Between turns: no card face up, no click counted.
void Game::StartTurns()
{
    state_.ClickCount = 0;
    state_.FirstCardUp = false;
    state_.FirstPick = 0;
    state_.SecondPick = 0;
}

void Game::SetCanSave(bool canSave)
{
    canSave_ = canSave;
    window_.SaveAvailabilityChanged(canSave);
}

void Game::ShowCounters()
{
    window_.CountersChanged(state_.Tries, state_.MatchesMade);
}

} // namespace bmd
