#pragma once

#include "game/CardFaces.h"
#include "game/RandomSource.h"
#include "savegame/SavedGame.h"
#include "seam/GameWindow.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

// A GameWindow that remembers what the rules asked of it, so that core tests
// can check the board a player would see.
class RecordingGameWindow : public bmd::GameWindow {
public:
    std::int32_t deckFace = 54;
    std::array<int, bmd::kCardCount> cardPicture{}; // face number each image shows
    std::array<bool, bmd::kCardCount> cardVisible{};
    std::array<bool, bmd::kCardCount> cardStretch{};
    std::array<std::string, 8> panel{};
    bool saveGameEnabled = true;
    bool timerRunning = false;
    std::vector<std::string> messages;
    int highScoreEntries = 0;
    // Runs inside ShowMessage, as a nested event loop would run a tick.
    std::function<void()> duringMessage;

    void SetDeckChangeCard(std::int32_t face) override { deckFace = face; }
    void SetCardPictureFromDeck(int index) override { cardPicture.at(index) = deckFace; }
    void SetCardVisible(int index, bool visible) override { cardVisible.at(index) = visible; }
    void SetCardStretch(int index, bool stretch) override { cardStretch.at(index) = stretch; }
    void SetStatusPanelText(int index, const std::string& text) override { panel.at(index) = text; }
    void SetSaveGameEnabled(bool enabled) override { saveGameEnabled = enabled; }
    void StartTurnTimer() override { timerRunning = true; }
    void StopTurnTimer() override { timerRunning = false; }
    void ShowMessage(const std::string& text) override
    {
        messages.push_back(text);
        if (duringMessage) {
            duringMessage();
        }
    }
    void ShowHighScoreEntry() override { ++highScoreEntries; }

    int FaceUpCount() const
    {
        int count = 0;
        for (int i = 0; i < bmd::kCardCount; ++i) {
            count += cardVisible[i] && cardPicture[i] != bmd::kBackFace ? 1 : 0;
        }
        return count;
    }
    int VisibleCount() const { return int(std::count(cardVisible.begin(), cardVisible.end(), true)); }
};

// Deals a chosen board: each draw is the number that yields the next face.
class ScriptedRandom : public bmd::RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> faces = {}) : faces_(std::move(faces)) {}
    void Reseed() override { next_ = 0; ++reseeds; }
    double Next() override
    {
        const int face = faces_.empty() ? 1 : faces_[next_++ % faces_.size()];
        return (face - 1) / 53.0;
    }
    int reseeds = 0;

private:
    std::vector<int> faces_;
    std::size_t next_ = 0;
};

// Position i holds face i + 1: position k pairs with k + 26, 52 with 53.
inline std::vector<int> OrderedBoard()
{
    std::vector<int> faces(bmd::kCardCount);
    std::iota(faces.begin(), faces.end(), 1);
    return faces;
}

// The ordered board as a saved game: the pairs at positions 0 to pairs - 1
// (each with its partner 26 further on) found, in the given number of tries.
inline bmd::SavedGame OrderedRecord(int pairs = 0, std::int16_t tries = 0)
{
    bmd::SavedGame record;
    for (int k = 0; k < bmd::kCardCount; ++k) {
        record.CardFace[k] = static_cast<std::int16_t>(k + 1);
        record.OnBoard[k] = k % 26 < pairs && k < 52 ? bmd::kCardFound : bmd::kCardOnBoard;
    }
    record.Tries = tries;
    record.MatchesMade = static_cast<std::int16_t>(pairs);
    return record;
}
