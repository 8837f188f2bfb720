#pragma once

#include "CardFaces.h"
#include "Game.h"
#include "GameWindow.h"
#include "RandomSource.h"
#include "SavedGame.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <vector>

// A GameWindow that keeps what the game told it, so that core tests can check
// the table a player would see.
class RecordingGameWindow : public bmd::GameWindow {
public:
    static constexpr int kGone = 0;
    // What each place shows: kGone, bmd::kBackFace or the face turned up.
    std::array<int, bmd::kCardCount> shown{};
    std::pair<int, int> counters{-1, -1}; // tries and matches made
    bool saveAvailable = false;
    bool timerRunning = false;
    // The end of a game, in order: "game over", "offer <tries>, save on|off".
    QStringList endOfGame;
    // Runs inside GameOver, as a nested event loop would run a tick.
    std::function<void()> duringGameOver = [] {};

    void ShowTable(const bmd::CardsOnTable& onTable) override
    {
        std::transform(onTable.begin(), onTable.end(), shown.begin(),
                       [](bool on) { return on ? bmd::kBackFace : kGone; });
    }
    void ShowFace(int index, std::int16_t face) override { shown.at(index) = face; }
    void ShowBack(int index) override { shown.at(index) = bmd::kBackFace; }
    void RemovePair(int first, int second) override { shown.at(first) = shown.at(second) = kGone; }
    void CountersChanged(std::int16_t newTries, std::int16_t newMatches) override { counters = {newTries, newMatches}; }
    void SaveAvailabilityChanged(bool available) override { saveAvailable = available; }
    void StartTurnTimer() override { timerRunning = true; }
    void StopTurnTimer() override { timerRunning = false; }
    void GameOver() override
    {
        endOfGame << QStringLiteral("game over");
        duringGameOver();
    }
    void OfferHighScore(std::int16_t finalTries) override
    {
        endOfGame << QStringLiteral("offer %1, save %2").arg(finalTries).arg(saveAvailable ? "on" : "off");
    }
};

// Deals a chosen board: each draw is the number that yields the next face.
class ScriptedRandom : public bmd::RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> faces = {}) : faces_(std::move(faces)) {}
    void Reseed() override
    {
        next_ = 0;
        ++reseeds;
    }
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
    bmd::SavedGame record{{}, {}, tries, static_cast<std::int16_t>(pairs)};
    for (std::size_t k = 0; k < bmd::kCardCount; ++k) {
        record.CardFace[k] = static_cast<std::int16_t>(k + 1);
        record.OnBoard[k] = int(k % 26) < pairs && k < 52 ? bmd::kCardFound : bmd::kCardOnBoard;
    }
    return record;
}

// Plays a script of events: "c<i>" clicks card i, "t" is a timer tick,
// "n" a new deal.
inline void Play(bmd::Game& game, const QString& script)
{
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("t")) {
            game.EndTurn();
        } else if (step == QLatin1String("n")) {
            game.NewGame();
        } else {
            game.TurnCard(step.mid(1).toInt());
        }
    }
}

// Finds every pair of the deal in 27 tries, the jokers last. The last turn
// is left waiting for its tick when lastTick is false.
inline void PlayEveryPair(bmd::Game& game, bool lastTick = true)
{
    const auto faces = game.RecordToSave().CardFace;
    for (int face = 1; face <= 27; ++face) {
        const int first = face <= 26 ? face : 53;
        for (const int turned : {first, int(bmd::PartnerFace(std::int16_t(first)))}) {
            game.TurnCard(int(std::find(faces.begin(), faces.end(), turned) - faces.begin()));
        }
        if (face < 27 || lastTick) {
            game.EndTurn();
        }
    }
}
