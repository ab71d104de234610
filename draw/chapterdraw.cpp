#include "chapterdraw.h"

#include <charconv>
#include <cmath>
#include <cstdint>

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

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

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
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number);
    if (error != std::errc()) throw overflowError();
    return std::u16string(digits, end);
}

std::u16string numberLine(float number)
{
    return u"Tao T\u00e9 Ching - chapter n\u00b0 " + numberText(number);
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
    for (std::int32_t pass = kAnimationStart; pass <= kAnimationEnd; pass += kAnimationStep) {
        const float number = chapterNumber(runtime_.nextRandom());
        if (!runtime_.doEvents()) return false;
        runtime_.setText(Control::labHexagram, numberLine(number));
        if (!runtime_.doEvents()) return false;
    }
    return true;
}

}  // namespace ostrel
