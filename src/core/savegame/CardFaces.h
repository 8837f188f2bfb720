#pragma once

#include <cstdint>

namespace bmd {

// Face numbers: 1-13 spades, 14-26 diamonds, 27-39 clubs, 40-52 hearts (each
// ace to king), 53 the red joker, 54 the black joker, 60 the card back.
constexpr int kCardCount = 54;
constexpr int kPairCount = 27;
constexpr int kRowCount = 6;
constexpr int kColumnCount = 9;
constexpr std::int16_t kBackFace = 60;
constexpr std::int16_t kMaxCount = 32767; // counters stop here instead of wrapping

// The pair key of a face: the same rank in the two suits of one colour, or
// either joker, share a key.
constexpr std::int16_t PairKey(std::int16_t face)
{
    std::int16_t key = face;
    if ((face >= 27 && face <= 39) || (face >= 40 && face <= 52)) {
        key -= 26;
    }
    if (face == 54) {
        key -= 1;
    }
    return key;
}

// The face that pairs with the given one (1-54).
constexpr std::int16_t PartnerFace(std::int16_t face)
{
    if (face >= 53) {
        return face == 53 ? 54 : 53;
    }
    return face <= 26 ? face + 26 : face - 26;
}

} // namespace bmd
