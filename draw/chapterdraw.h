#pragma once

#include <string>

namespace ostrel {

class Runtime;

// The chapter number for a random value r, 0 <= r < 1: the integral part of r * 81 + 1, so 1 to 81.
float chapterNumber(float r);

// A whole number as its decimal digits, as the display shows it ("7", "81").
std::u16string numberText(float number);

// "Tao Té Ching - chapter n° " followed by the number.
std::u16string numberLine(float number);

// " chapter ", the key, " : " and the chapter's title as the title table gives it.
std::u16string titleLine(const std::u16string& chapterKey);

// The chapter draw: empties the display, flickers 20,000 random chapter numbers in the number
// label, then draws the final chapter and shows its text, title line and number line.
//
// A press during the animation runs a whole nested draw inside a yield, and the draw that
// started first has the last word. Presses nested deeper than kMaxDepth draws are ignored, so
// the stack can never run out. Once the window has gone, every draw ends at its next yield
// without writing to the display again.
class ChapterDraw {
public:
    static constexpr int kMaxDepth = 64;

    explicit ChapterDraw(Runtime& runtime) : runtime_(runtime) {}

    void cmdGetTao_Click();

    // Draws running now, the nested ones included.
    int depth() const { return depth_; }

private:
    bool animate();

    Runtime& runtime_;
    int depth_ = 0;
};

}  // namespace ostrel
