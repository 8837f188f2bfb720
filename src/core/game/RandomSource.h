#pragma once

#include <cstdint>
#include <random>

namespace bmd {

// The deal's source of uniform numbers in [0, 1). Tests inject their own to
// deal a known board.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called once at the start of every deal.
    virtual void Reseed() = 0;
    virtual double Next() = 0;
};

// The program's source: a Mersenne Twister reseeded from the clock at every
// deal, so no two games repeat.
class ClockSeededRandom final : public RandomSource {
public:
    void Reseed() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
    std::uint64_t reseeds_ = 0;
};

} // namespace bmd
