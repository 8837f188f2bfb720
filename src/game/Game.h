#pragma once

#include "game/CardFaces.h"
#include "savegame/SavedGame.h"
#include "seam/GameWindow.h"

#include <array>
#include <cstdint>
#include <functional>

namespace bmd {

class RandomSource;

// The main window's game fields. Whether a card is found is the visibility
// of its board image, which Game keeps beside these fields.
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

// The deal, the turns and the end of a game, driving a GameWindow.
class Game {
public:
    // Decides whether a finished game with this many tries earns a place in
    // the high-score table.
    using QualificationRule = std::function<bool(std::int16_t tries)>;

    Game(GameWindow& window, RandomSource& random);

    void NewGame();
    void AdjustCards();
    void imgCard_Click(std::int16_t Index);
    void Timer1_Timer();

    // The record that Save Game writes, and the replacement of the game on
    // the table by a (validated) saved record.
    SavedGame ToSavedGame() const;
    void RestoreSavedGame(const SavedGame& record);

    void SetQualificationRule(QualificationRule rule) { qualifies_ = std::move(rule); }

    const GameState& State() const { return state_; }
    bool IsCardVisible(int index) const { return cardVisible_.at(index); }
    bool IsTurnPending() const { return turnPending_; }

private:
    void ShowCard(int index, std::int16_t face);
    void SetVisible(int index, bool visible);

    GameWindow& window_;
    RandomSource& random_;
    QualificationRule qualifies_;
    GameState state_;
    std::array<bool, kCardCount> cardVisible_{};
    // True from the second card of a turn until its resolution, so that a
    // stray tick can never resolve a turn twice.
    bool turnPending_ = false;
};

} // namespace bmd
