#include "SavedGame.h"

#include "PlayerText.h"

#include <string>
#include <utility>

namespace bmd {

namespace {

constexpr std::size_t kCardFaceOffset = 0;
constexpr std::size_t kOnBoardOffset = 108;
constexpr std::size_t kTriesOffset = 216;
constexpr std::size_t kMatchesMadeOffset = 218;

// Shifts rather than memcpy, so the bytes do not depend on the host's byte order.
void PutInt16(SavedGameSlot& bytes, std::size_t offset, std::int16_t value)
{
    const auto bits = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<std::uint8_t>(bits & 0xFFu);
    bytes[offset + 1] = static_cast<std::uint8_t>(bits >> 8);
}

std::int16_t GetInt16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    const auto bits = static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    return static_cast<std::int16_t>(bits); // two's complement since C++20
}

SavedGameStatus Rejected(const char* text, std::vector<int> numbers, std::optional<int> count = std::nullopt)
{
    SavedGameStatus status{SavedGameError::NotASavedGame, FillIn(text, numbers, count.value_or(0)), text,
                           std::move(numbers)};
    status.count = count;
    return status;
}

} // namespace

SavedGameSlot EncodeSavedGame(const SavedGame& game) noexcept
{
    SavedGameSlot bytes{}; // the unused tail of the slot stays zero
    for (std::size_t k = 0; k < kCardCount; ++k) {
        PutInt16(bytes, kCardFaceOffset + 2 * k, game.CardFace[k]);
        PutInt16(bytes, kOnBoardOffset + 2 * k, game.OnBoard[k]);
    }
    PutInt16(bytes, kTriesOffset, game.Tries);
    PutInt16(bytes, kMatchesMadeOffset, game.MatchesMade);
    return bytes;
}

std::optional<SavedGame> DecodeSavedGame(std::span<const std::uint8_t> bytes) noexcept
{
    if (bytes.size() < kSavedGameRecordSize) {
        return std::nullopt;
    }
    SavedGame game;
    for (std::size_t k = 0; k < kCardCount; ++k) {
        game.CardFace[k] = GetInt16(bytes, kCardFaceOffset + 2 * k);
        game.OnBoard[k] = GetInt16(bytes, kOnBoardOffset + 2 * k);
    }
    game.Tries = GetInt16(bytes, kTriesOffset);
    game.MatchesMade = GetInt16(bytes, kMatchesMadeOffset);
    return game;
}

// A record with all 54 cards found (MatchesMade 27) passes: it is a finished
// game, written when the last pair was resolved while the save dialog was
// open. Opening it just shows an empty board; no reason to turn the file away.
SavedGameStatus ValidateSavedGame(const SavedGame& game)
{
    // Position of each face 1 to 54, or -1 while not yet seen.
    std::array<int, kCardCount + 1> positionOf;
    positionOf.fill(-1);
    for (int position = 0; position < kCardCount; ++position) {
        const int face = game.CardFace[position];
        if (face < 1 || face > kCardCount) {
            return Rejected(BMD_TRANSLATABLE("SavedGame", "Position %1 holds face %2; cards are numbered 1 to 54"),
                            {position, face});
        }
        if (positionOf[face] >= 0) {
            return Rejected(BMD_TRANSLATABLE("SavedGame", "Face %1 is dealt twice (positions %2 and %3)"),
                            {face, positionOf[face], position});
        }
        positionOf[face] = position;
    }
    // 54 distinct faces from 1 to 54: every face is on the board exactly once.

    int cardsFound = 0;
    for (int position = 0; position < kCardCount; ++position) {
        if (game.OnBoard[position] != kCardFound) {
            continue; // any non-zero value means still on the board
        }
        ++cardsFound;
        const std::int16_t partner = PartnerFace(game.CardFace[position]);
        const int partnerPosition = positionOf[partner];
        if (game.OnBoard[partnerPosition] != kCardFound) {
            return Rejected(BMD_TRANSLATABLE("SavedGame",
                                             "Face %1 at position %2 was found, but its partner, face %3 "
                                             "at position %4, is still on the board"),
                            {game.CardFace[position], position, partner, partnerPosition});
        }
    }

    const int pairsFound = cardsFound / 2; // whole pairs only, checked above
    if (game.MatchesMade != pairsFound) {
        return Rejected(
            BMD_TRANSLATABLE_COUNT("SavedGame", "The matches made (%1) do not agree with the %n pairs off the board"),
            {game.MatchesMade}, pairsFound);
    }
    // MatchesMade is at least 0 here, so this also turns away negative Tries.
    if (game.Tries < game.MatchesMade) {
        return Rejected(BMD_TRANSLATABLE("SavedGame", "The tries (%1) are fewer than the matches made (%2)"),
                        {game.Tries, game.MatchesMade});
    }
    return {};
}

} // namespace bmd
