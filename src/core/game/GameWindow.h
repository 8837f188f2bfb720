#pragma once

#include "CardFaces.h"

#include <array>
#include <cstdint>

namespace bmd {

// Which of the 54 places still hold a card: true while the card is on the
// table, false once it was found as half of a pair.
using CardsOnTable = std::array<bool, kCardCount>;

// What the game tells the window that shows it, in the game's own words. The
// window decides how each event looks (which picture, which status panel,
// which text) and never reports its widgets back as game state. The Qt main
// window implements it; the core tests record the calls. Every call is made
// on the one user-interface thread, from inside an event handler.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // A new table: each card still on it lies face down, the found ones are
    // gone. After a deal every card is on the table.
    virtual void ShowTable(const CardsOnTable& onTable) = 0;
    // The card at `index` (0-53, row by row from the top left) turns face up.
    virtual void ShowFace(int index, std::int16_t face) = 0;
    // The card at `index` turns face down.
    virtual void ShowBack(int index) = 0;
    // The two cards of a pair leave the table, the first one first.
    virtual void RemovePair(int first, int second) = 0;

    // The counters of this game; the matches remaining are 27 - matchesMade.
    virtual void CountersChanged(std::int16_t tries, std::int16_t matchesMade) = 0;
    // Whether Save Game can run now (Game::CanSave tells the same at any time).
    virtual void SaveAvailabilityChanged(bool available) = 0;

    // The pause of a turn: one shot, 750 ms after the start; the window calls
    // back Game::EndTurn when it has passed.
    virtual void StartTurnTimer() = 0;
    virtual void StopTurnTimer() = 0;

    // The 27th pair was found: the "Game Over!" message; returns when the
    // player has closed it.
    virtual void GameOver() = 0;
    // Then, after Save Game became unavailable: the window offers the
    // finished game its place in the high-score table if it earns one.
    virtual void OfferHighScore(std::int16_t tries) = 0;
};

} // namespace bmd
