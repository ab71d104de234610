#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <deque>
#include <vector>

#include "chapterdraw.h"
#include "errors.h"
#include "fakeruntime.h"
#include "taochapters.h"
#include "taochaptertext.h"

namespace ostrel {
namespace {

using test::FakeRuntime;
using Call = FakeRuntime::Call;

constexpr int kPasses = 20000;

// The value that makes chapterNumber give the chapter n.
float valueFor(int chapter) { return (static_cast<float>(chapter) - 0.5f) / 81.0f; }

std::u16string key(int n)
{
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

void expectShowsChapter(const FakeRuntime& runtime, int chapter)
{
    EXPECT_EQ(runtime.text(Control::TextTao), TaoChapterText(key(chapter)));
    EXPECT_EQ(runtime.text(Control::labDisplayHexagram),
              u" chapter " + key(chapter) + u" : " + TaoChapters(key(chapter)));
    EXPECT_EQ(runtime.text(Control::labHexagram),
              u"Tao T\u00e9 Ching - chapter n\u00b0 " + key(chapter));
}

TEST(ChapterNumber, CoversOneToEightyOne)
{
    EXPECT_EQ(chapterNumber(0.0f), 1.0f);
    EXPECT_EQ(chapterNumber(std::nextafter(1.0f, 0.0f)), 81.0f);
    EXPECT_EQ(chapterNumber(1.0f / 81.0f), 2.0f);
    for (float r = 0.0f; r < 1.0f; r += 0.0001f) {
        const float n = chapterNumber(r);
        ASSERT_GE(n, 1.0f);
        ASSERT_LE(n, 81.0f);
        ASSERT_EQ(n, std::floor(n));
    }
}

TEST(ChapterNumber, ArithmeticFaultIsARuntimeError)
{
    EXPECT_THROW(chapterNumber(std::nanf("")), RuntimeError);
    EXPECT_THROW(chapterNumber(INFINITY), RuntimeError);
}

TEST(DisplayLines, NumberAndTitleLinesAreExact)
{
    EXPECT_EQ(numberText(7.0f), u"7");
    EXPECT_EQ(numberText(81.0f), u"81");
    const std::u16string seven = numberLine(7.0f);
    EXPECT_EQ(seven.size(), 27u);
    EXPECT_EQ(seven, u"Tao T\u00e9 Ching - chapter n\u00b0 7");
    EXPECT_EQ(numberLine(81.0f).size(), 28u);
    const std::u16string one = titleLine(u"1");
    EXPECT_EQ(one, u" chapter 1 :  t'i tao ");
    EXPECT_EQ(one.size(), 22u);
}

// Whole numbers take a quicker way to their digits; every number must still read as the
// shortest form gives it.
TEST(DisplayLines, NumberTextIsTheShortestForm)
{
    const auto shortest = [](float number) {
        char digits[32];
        const auto result = std::to_chars(digits, digits + sizeof digits, number);
        return std::u16string(digits, result.ptr);
    };
    std::vector<float> numbers = {0.0f, -0.0f, 0.5f, -2.5f, 1e-3f, 99999.5f, 1e5f, -1e5f,
                                  123456.0f, 1e7f, 16777217.0f, 3e38f, INFINITY, -INFINITY};
    for (float n = -100010.0f; n <= 100010.0f; n += 1.0f) numbers.push_back(n);
    for (const float n : numbers) ASSERT_EQ(numberText(n), shortest(n)) << n;
    EXPECT_EQ(numberText(-0.0f), u"-0");
    EXPECT_EQ(numberText(1e5f), u"1e+05");
}

TEST(ChapterDraw, RunsItsStepsInOrder)
{
    FakeRuntime runtime;
    runtime.recording = true;
    ChapterDraw(runtime).cmdGetTao_Click();

    const auto& log = runtime.entries;
    ASSERT_EQ(log.size(), 3u + 2u + 4u * kPasses + 2u + 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(log[i].call, Call::SetText);
        EXPECT_EQ(log[i].text, u"");
    }
    EXPECT_EQ(log[0].control, Control::TextTao);
    EXPECT_EQ(log[1].control, Control::labDisplayHexagram);
    EXPECT_EQ(log[2].control, Control::labHexagram);
    EXPECT_EQ(log[3].call, Call::Randomize);
    EXPECT_EQ(log[4].call, Call::DoEvents);
    for (int pass = 0; pass < kPasses; ++pass) {
        const std::size_t at = 5 + 4 * pass;
        ASSERT_EQ(log[at].call, Call::NextRandom);
        ASSERT_EQ(log[at + 1].call, Call::DoEvents);
        ASSERT_EQ(log[at + 2].call, Call::SetText);
        ASSERT_EQ(log[at + 2].control, Control::labHexagram);
        ASSERT_EQ(log[at + 3].call, Call::DoEvents);
    }
    const std::size_t end = 5 + 4 * kPasses;
    EXPECT_EQ(log[end].call, Call::Randomize);
    EXPECT_EQ(log[end + 1].call, Call::DoEvents);
    EXPECT_EQ(log[end + 2].call, Call::NextRandom);
    EXPECT_EQ(log[end + 3].control, Control::TextTao);
    EXPECT_EQ(log[end + 4].control, Control::labDisplayHexagram);
    EXPECT_EQ(log[end + 5].control, Control::labHexagram);

    EXPECT_EQ(runtime.yields, 40002);
    EXPECT_EQ(runtime.writes[FakeRuntime::index(Control::labHexagram)], 20002);
    EXPECT_EQ(runtime.seedings, 2);
    EXPECT_EQ(runtime.randoms, 20001);
}

TEST(ChapterDraw, DisplayIsEmptyAtTheFirstYield)
{
    FakeRuntime runtime;
    runtime.shown = {u"old text", u"old title", u"old number"};
    bool checked = false;
    runtime.onDoEvents = [&] {
        if (checked) return;
        checked = true;
        for (const auto& shown : runtime.shown) EXPECT_EQ(shown, u"");
    };
    ChapterDraw(runtime).cmdGetTao_Click();
    EXPECT_TRUE(checked);
}

TEST(ChapterDraw, FinalChapterFillsAllThreeControls)
{
    // The animation ends on chapter 3; the final draw gives chapter 64.
    FakeRuntime runtime;
    int drawn = 0;
    runtime.random = [&] { return ++drawn <= kPasses ? valueFor(3) : valueFor(64); };
    ChapterDraw(runtime).cmdGetTao_Click();
    expectShowsChapter(runtime, 64);
}

TEST(ChapterDraw, AnimationShowsEachDrawnNumber)
{
    FakeRuntime runtime;
    int drawn = 0;
    runtime.random = [&] { return valueFor(drawn++ % 81 + 1); };
    int expected = 1;
    runtime.onSetText = [&](Control control, const std::u16string& text) {
        if (control != Control::labHexagram || text.empty() || drawn > kPasses) return;
        EXPECT_EQ(text, numberLine(static_cast<float>(expected)));
        expected = expected % 81 + 1;
    };
    ChapterDraw(runtime).cmdGetTao_Click();
    expectShowsChapter(runtime, kPasses % 81 + 1);
}

TEST(ChapterDraw, ThePressStartedFirstHasTheLastWord)
{
    // A press during the outer draw's tenth yield runs a whole nested draw inside it.
    FakeRuntime runtime;
    ChapterDraw draw(runtime);
    int depthSeen = 0;
    std::u16string nestedText;
    runtime.random = [&] { return valueFor(draw.depth() == 1 ? 10 : 70); };
    runtime.onDoEvents = [&] {
        depthSeen = std::max(depthSeen, draw.depth());
        if (runtime.yields == 10) {
            draw.cmdGetTao_Click();
            nestedText = runtime.text(Control::TextTao);
        }
    };
    draw.cmdGetTao_Click();
    EXPECT_EQ(depthSeen, 2);
    EXPECT_EQ(nestedText, TaoChapterText(u"70"));
    EXPECT_EQ(runtime.yields, 2 * 40002);
    expectShowsChapter(runtime, 10);
    EXPECT_EQ(draw.depth(), 0);
}

TEST(ChapterDraw, NestingStopsAtTheDepthBound)
{
    // A thousand presses queued during one draw: each yield takes the next one.
    FakeRuntime runtime;
    ChapterDraw draw(runtime);
    int pending = 1000, deepest = 0;
    runtime.random = [&] { return valueFor(draw.depth()); };
    runtime.onDoEvents = [&] {
        deepest = std::max(deepest, draw.depth());
        if (pending > 0) {
            --pending;
            draw.cmdGetTao_Click();
        }
    };
    draw.cmdGetTao_Click();
    EXPECT_EQ(pending, 0);
    EXPECT_EQ(deepest, ChapterDraw::kMaxDepth);
    EXPECT_EQ(draw.depth(), 0);
    expectShowsChapter(runtime, 1);  // the first draw, at depth one, drew chapter one
}

TEST(ChapterDraw, StopsWithoutWritingOnceTheWindowHasGone)
{
    FakeRuntime runtime;
    ChapterDraw draw(runtime);
    int writesAtClose = -1;
    runtime.onDoEvents = [&] {
        if (runtime.yields == 50) draw.cmdGetTao_Click();  // nested, then closed inside it
        if (runtime.yields == 120) {
            runtime.open = false;
            writesAtClose = runtime.writes[FakeRuntime::index(Control::labHexagram)];
        }
    };
    draw.cmdGetTao_Click();
    EXPECT_EQ(runtime.yields, 120);
    EXPECT_EQ(runtime.writes[FakeRuntime::index(Control::labHexagram)], writesAtClose);
    EXPECT_EQ(runtime.text(Control::TextTao), u"");
    EXPECT_EQ(draw.depth(), 0);
}

TEST(ChapterDraw, ARuntimeErrorEndsTheRunWhereItArose)
{
    FakeRuntime runtime;
    ChapterDraw draw(runtime);
    runtime.onSetText = [&](Control control, const std::u16string& text) {
        if (control == Control::TextTao && !text.empty()) throw overflowError();
    };
    EXPECT_THROW(draw.cmdGetTao_Click(), RuntimeError);
    EXPECT_EQ(runtime.text(Control::labDisplayHexagram), u"");
    EXPECT_EQ(draw.depth(), 0);
}

}  // namespace
}  // namespace ostrel
