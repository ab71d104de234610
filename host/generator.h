#pragma once

#include <cstdint>
#include <random>

namespace ostrel {

// The program's one pseudo-random generator: uniform single-precision values in [0, 1).
class Generator {
public:
    // Reseeds from the system clock, in nanoseconds.
    void randomize();
    void seed(std::uint32_t value);

    float next() { return unitValue(engine_()); }

    // The top 24 bits of a 32-bit draw, scaled by 2^-24: every value is exact in a float, and
    // the largest is 1 - 2^-24, never 1.
    static constexpr float unitValue(std::uint32_t bits)
    {
        return static_cast<float>(bits >> 8) * 0x1p-24f;
    }

private:
    std::mt19937 engine_;
};

}  // namespace ostrel
