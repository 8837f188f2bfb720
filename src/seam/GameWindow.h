#pragma once

#include <cstdint>
#include <string>

namespace bmd {

// What the game rules ask of the window that shows them. The Qt main window
// implements it; the core tests use a recording implementation. Every call is
// made on the one user-interface thread, from inside an event handler.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // Card picture deck: choose the picture by face number (1-54 cards, 60 back).
    virtual void SetDeckChangeCard(std::int32_t face) = 0;
    // Board image i takes the deck's current picture (shared, not copied).
    virtual void SetCardPictureFromDeck(int index) = 0;
    virtual void SetCardVisible(int index, bool visible) = 0;
    virtual void SetCardStretch(int index, bool stretch) = 0;

    // Status bar panel by its index from 1.
    virtual void SetStatusPanelText(int panel, const std::string& text) = 0;
    // The Save Game menu item, then toolbar button 3.
    virtual void SetSaveGameEnabled(bool enabled) = 0;

    // The turn timer: one shot, 750 ms after the start; it calls back
    // Game::Timer1_Timer when it fires.
    virtual void StartTurnTimer() = 0;
    virtual void StopTurnTimer() = 0;

    // A message box with OK only, no icon and the application's title; returns
    // when the player has closed it.
    virtual void ShowMessage(const std::string& text) = 0;

    // The end of a game that earned a place in the high-score table: open the
    // high-score window in entry mode, owned by the main window.
    virtual void ShowHighScoreEntry() = 0;
};

} // namespace bmd
