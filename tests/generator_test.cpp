#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <thread>

#include "chapterdraw.h"
#include "generator.h"

namespace ostrel {
namespace {

TEST(Generator, ValuesStayBelowOne)
{
    EXPECT_EQ(Generator::unitValue(0), 0.0f);
    EXPECT_LT(Generator::unitValue(0xffffffffu), 1.0f);
    EXPECT_EQ(Generator::unitValue(0xffffffffu), std::nextafter(1.0f, 0.0f));
    Generator generator;
    generator.seed(7);
    for (int i = 0; i < 1000000; ++i) {
        const float r = generator.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Generator, ChaptersComeUpUniformly)
{
    // Chi-square over 81 chapters (80 degrees of freedom): 124.8 is the 0.1 % critical value.
    // The seeds are fixed, so the test never flakes.
    constexpr int kDraws = 81 * 2000;
    for (std::uint32_t seed : {1u, 20000u, 4242u}) {
        Generator generator;
        generator.seed(seed);
        std::array<int, 82> counts{};
        for (int i = 0; i < kDraws; ++i) ++counts[static_cast<int>(chapterNumber(generator.next()))];
        EXPECT_EQ(counts[0], 0);
        double chiSquare = 0;
        for (int n = 1; n <= 81; ++n) {
            const double expected = kDraws / 81.0;
            chiSquare += (counts[n] - expected) * (counts[n] - expected) / expected;
        }
        EXPECT_LT(chiSquare, 124.8) << "seed " << seed;
    }
}

TEST(Generator, ReseedingFromTheClockChangesTheSequence)
{
    Generator a, b;
    a.randomize();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    b.randomize();
    int same = 0;
    for (int i = 0; i < 100; ++i) same += a.next() == b.next();
    EXPECT_LT(same, 100);
}

}  // namespace
}  // namespace ostrel
