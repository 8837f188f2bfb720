#pragma once

#include "CardFaces.h"
#include "GameWindow.h"
#include "SavedGame.h"

#include <array>
#include <cstdint>

namespace bmd {

class RandomSource;

// The face that the deal draws for the uniform number r in [0, 1): r * 53 + 1
// rounded to the nearest whole number, an exact half to the even neighbour.
std::int16_t DrawFace(double r);

// The deal, the turns and the end of a game, told to a GameWindow. The window
// calls in with what the player did: deal, turn a card, the look at two cards
// is over, open a saved game.
class Game {
public:
    Game(GameWindow& window, RandomSource& random);

    // Deals a new game; a turn still waiting is dropped.
    void NewGame();
    // The player turns the card at `index` (0-53); found cards, a third card
    // and the card already face up are ignored.
    void TurnCard(int index);
    // The look at the two cards of a turn is over: a pair leaves, other cards
    // turn back. Without a turn waiting it does nothing.
    void EndTurn();

    // The record that Save Game writes, and the replacement of the game on
    // the table by a validated saved record.
    SavedGame RecordToSave() const;
    void Restore(const SavedGame& record);

    const CardsOnTable& OnTable() const { return onTable_; }
    // False while exactly one card of a turn is face up and after the last pair.
    bool CanSave() const { return canSave_; }

private:
    // The game's fields; which cards are still on the table is kept beside them.
    struct GameState {
        std::int16_t Tries = 0;
        std::array<std::int16_t, kCardCount> CardFace{};
        bool FirstCardUp = false;
        std::int16_t FirstPick = 0;
        std::int16_t SecondPick = 0;
        std::int16_t FirstMatchValue = 0;
        std::int16_t SecondMatchValue = 0;
        std::int16_t ClickCount = 0;
        std::int16_t MatchesMade = 0;
    };

    void AdjustCards();
    void StartTurns();
    void SetCanSave(bool canSave);
    void ShowCounters();

    GameWindow& window_;
    RandomSource& random_;
    GameState state_;
    CardsOnTable onTable_{};
    bool canSave_ = false;
    // True from the second card of a turn until its resolution, so that a
    // stray tick can never resolve a turn twice.
    bool turnPending_ = false;
};

} // namespace bmd
