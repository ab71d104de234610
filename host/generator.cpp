#include "generator.h"

#include <chrono>

namespace ostrel {

void Generator::randomize()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    const auto bits = static_cast<std::uint64_t>(ticks);
    std::seed_seq sequence{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    engine_.seed(sequence);
}

void Generator::seed(std::uint32_t value) { engine_.seed(value); }

}  // namespace ostrel
