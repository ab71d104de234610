#include "chapterdraw.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "errors.h"
#include "runtime.h"
#include "taochapters.h"
#include "taochaptertext.h"

namespace ostrel {
namespace {

constexpr std::int32_t kAnimationStart = 1;
constexpr std::int32_t kAnimationEnd = 200000;
constexpr std::int32_t kAnimationStep = 10;
constexpr float kMultiplier = 81.0f;
constexpr float kOffset = 1.0f;
constexpr std::u16string_view kNumberLinePrefix = u"Tao T\u00e9 Ching - chapter n\u00b0 ";

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

void appendNumberText(std::u16string& text, float number)
{
    char digits[32];
    // A whole number below 100,000 in size is its integer's digits in the shortest form too, and
    // those are found in a tenth of the time. Minus zero keeps its sign the general way.
    const bool whole = std::abs(number) < 1e5f && number == std::trunc(number) &&
                       !(number == 0 && std::signbit(number));
    const auto [end, error] =
        whole ? std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(number))
              : std::to_chars(digits, digits + sizeof digits, number);
    if (error != std::errc()) throw overflowError();
    text.append(digits, end);
}

// Rewrites line as the number line for number, reusing its storage.
void writeNumberLine(std::u16string& line, float number)
{
    line.assign(kNumberLinePrefix);
    appendNumberText(line, number);
}

}  // namespace

float chapterNumber(float r)
{
    // In double precision, with no rounding to float before the integral part is taken.
    const double sum = static_cast<double>(r) * kMultiplier + kOffset;
    if (!std::isfinite(sum)) throw overflowError();
    return static_cast<float>(std::floor(sum));
}

std::u16string numberText(float number)
{
    std::u16string text;
    appendNumberText(text, number);
    return text;
}

std::u16string numberLine(float number)
{
    std::u16string line;
    writeNumberLine(line, number);
    return line;
}

std::u16string titleLine(const std::u16string& chapterKey)
{
    return u" chapter " + chapterKey + u" : " + TaoChapters(chapterKey);
}

void ChapterDraw::cmdGetTao_Click()
{
    if (depth_ >= kMaxDepth) return;
    const DepthGuard guard(depth_);

    runtime_.setText(Control::TextTao, u"");
    runtime_.setText(Control::labDisplayHexagram, u"");
    runtime_.setText(Control::labHexagram, u"");
    runtime_.randomize();
    if (!runtime_.doEvents() || !animate()) return;

    runtime_.randomize();
    if (!runtime_.doEvents()) return;

    // From here to the end nothing yields: the three controls are filled as one.
    const float chapter = chapterNumber(runtime_.nextRandom());
    runtime_.setText(Control::TextTao, TaoChapterText(numberText(chapter)));
    runtime_.setText(Control::labDisplayHexagram, titleLine(numberText(chapter)));
    runtime_.setText(Control::labHexagram, numberLine(chapter));
}

bool ChapterDraw::animate()
{
    std::u16string line;  // rewritten in place by every pass, so that a pass allocates nothing
    for (std::int32_t pass = kAnimationStart; pass <= kAnimationEnd; pass += kAnimationStep) {
        const float number = chapterNumber(runtime_.nextRandom());
        if (!runtime_.doEvents()) return false;
        writeNumberLine(line, number);
        runtime_.setText(Control::labHexagram, line);
        if (!runtime_.doEvents()) return false;
    }
    return true;
}

}  // namespace ostrel
