#include "RandomSource.h"

#include <chrono>

namespace bmd {

void ClockSeededRandom::Reseed()
{
    // Two deals within one clock tick must still differ, hence the counter.
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint64_t>(now), ++reseeds_};
    engine_.seed(seed);
}

double ClockSeededRandom::Next()
{
    // 53 random bits scaled by 2^-53: exactly uniform and never 1.0, which
    // the deal's formula would turn into a face outside the deck.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace bmd
