#pragma once

#include "cards/CardFaces.h"
#include "savegame/SavedGame.h"
#include "seam/GameWindow.h"

#include <array>
#include <cstdint>

namespace bmd {

class RandomSource;

// The main window's game fields. Which cards are still on the table is kept
// by Game beside them.
struct GameState {
    std::int16_t Tries = 0;
    std::array<std::int16_t, kCardCount> CardFace{};
    std::array<std::int16_t, kCardCount + 1> FaceDealt{}; // by face 1-54; entry 0 unused
    std::int16_t CardIndex = 0;
    std::int16_t DrawnFace = 0;
    std::int16_t FirstCardUp = 0;
    std::int16_t FirstPick = 0;
    std::int16_t SecondPick = 0;
    std::int16_t FirstMatchValue = 0;
    std::int16_t SecondMatchValue = 0;
    std::int16_t ClickCount = 0;
    std::int16_t MatchesMade = 0;
};

// The face that the deal draws for the uniform number r in [0, 1): r * 53 + 1
// rounded to the nearest whole number, an exact half to the even neighbour.
std::int16_t DrawFace(double r);

// The deal, the turns and the end of a game, told to a GameWindow.
class Game {
public:
    Game(GameWindow& window, RandomSource& random);

    void NewGame();
    void AdjustCards();
    void imgCard_Click(std::int16_t Index);
    void Timer1_Timer();

    // The record that Save Game writes, and the replacement of the game on
    // the table by a validated saved record.
    SavedGame ToSavedGame() const;
    void RestoreSavedGame(const SavedGame& record);

    const GameState& State() const { return state_; }
    bool IsOnTable(int index) const { return onTable_.at(static_cast<std::size_t>(index)); }
    const CardsOnTable& OnTable() const { return onTable_; }
    // False while exactly one card of a turn is face up and after the last pair.
    bool CanSave() const { return canSave_; }

private:
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
