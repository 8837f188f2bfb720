#pragma once

#include "savegame/SavedGame.h"

#include <QByteArray>

#include <algorithm>
#include <numeric>
#include <random>

// Records a real game could save, for the saved-game tests.
namespace samples {

// Right after a deal: every face once, all on the board, counters 0.
inline bmd::SavedGame Dealt(unsigned seed = 1)
{
    bmd::SavedGame game;
    std::iota(game.CardFace.begin(), game.CardFace.end(), std::int16_t{1});
    std::shuffle(game.CardFace.begin(), game.CardFace.end(), std::mt19937(seed));
    game.OnBoard.fill(bmd::kCardOnBoard);
    return game;
}

// Takes the pair of the given face off the board and counts the match.
inline void FindPair(bmd::SavedGame& game, std::int16_t face)
{
    for (int k = 0; k < bmd::kCardCount; ++k) {
        if (game.CardFace[k] == face || game.CardFace[k] == bmd::PartnerFace(face)) {
            game.OnBoard[k] = bmd::kCardFound;
        }
    }
    ++game.MatchesMade;
}

// Two pairs found in five tries.
inline bmd::SavedGame MidGame()
{
    bmd::SavedGame game = Dealt();
    FindPair(game, 1);
    FindPair(game, 53);
    game.Tries = 5;
    return game;
}

inline QByteArray Bytes(const bmd::SavedGame& game)
{
    const bmd::SavedGameSlot slot = bmd::EncodeSavedGame(game);
    return QByteArray(reinterpret_cast<const char*>(slot.data()), qsizetype(slot.size()));
}

} // namespace samples
