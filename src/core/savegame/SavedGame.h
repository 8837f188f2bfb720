#pragma once

#include "CardFaces.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace bmd {

// A .bcx file holds one 220-byte record at offset 0 of a 640-byte slot. All
// numbers are 16-bit two's complement, little-endian, whatever the host is.
constexpr std::size_t kSavedGameRecordSize = 220;
constexpr std::size_t kSavedGameSlotSize = 640;

// What the writer puts in OnBoard for a card still on the board; any non-zero
// value read back means the same, 0 means the card was found.
constexpr std::int16_t kCardOnBoard = -1;
constexpr std::int16_t kCardFound = 0;

struct SavedGame {
    std::array<std::int16_t, kCardCount> CardFace{};
    std::array<std::int16_t, kCardCount> OnBoard{};
    std::int16_t Tries = 0;
    std::int16_t MatchesMade = 0;

    bool operator==(const SavedGame&) const = default;
};

using SavedGameSlot = std::array<std::uint8_t, kSavedGameSlotSize>;

enum class SavedGameError {
    None,
    CannotRead,    // missing, no permission, a folder, a read error
    TooShort,      // fewer than 220 bytes
    NotASavedGame, // the record does not describe a game this program can play on
    CannotWrite,   // the save failed; the previous file is as it was
};

// Ok when error is None; otherwise reason says why in words a player can read,
// in English. The window layer says it in the player's language from its
// parts: the source text (context "SavedGame") with the numbers for its %1,
// %2, ... and, where it says a count as %n, the count for its plural form, or, for a failure of the system, its error
// number (reason is then the system's own text).
struct SavedGameStatus {
    SavedGameStatus() = default;
    SavedGameStatus(SavedGameError kind, std::string why, const char* source = "", std::vector<int> values = {},
                    int systemErrorNumber = 0)
        : error(kind), reason(std::move(why)), text(source), numbers(std::move(values)), systemError(systemErrorNumber)
    {
    }

    SavedGameError error = SavedGameError::None;
    std::string reason;
    const char* text = "";
    std::vector<int> numbers;
    std::optional<int> count;
    int systemError = 0;

    bool Ok() const noexcept { return error == SavedGameError::None; }
};

// The record followed by 420 zero bytes: the whole slot, so every file is 640 bytes.
SavedGameSlot EncodeSavedGame(const SavedGame& game) noexcept;

// Reads the first 220 bytes and ignores the rest; empty when fewer are given.
std::optional<SavedGame> DecodeSavedGame(std::span<const std::uint8_t> bytes) noexcept;

// Accepts exactly the records that describe a position between turns: faces
// 1 to 54 once each, found cards in whole pairs, MatchesMade equal to the pairs
// found and Tries at least MatchesMade. Error is None or NotASavedGame.
SavedGameStatus ValidateSavedGame(const SavedGame& game);

} // namespace bmd
