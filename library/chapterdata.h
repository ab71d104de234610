#pragma once

#include <array>
#include <span>
#include <string_view>

namespace ostrel::library {

constexpr int kChapterCount = 81;

// Lines of each chapter, from chapters.txt: entry n - 1 holds chapter n. The first line is
// empty, and an empty line opens each further stanza.
extern const std::array<std::span<const std::u16string_view>, kChapterCount> chapterLines;

// The chapter that a key names: 1 to 81 for the exact texts "1" to "81", otherwise 0. The key is
// matched as text, so " 1", "01" and "+1" name no chapter.
constexpr int chapterOfKey(std::u16string_view key)
{
    if (key.empty() || key.size() > 2 || key.front() == u'0') return 0;
    int chapter = 0;
    for (char16_t unit : key) {
        if (unit < u'0' || unit > u'9') return 0;
        chapter = chapter * 10 + (unit - u'0');
    }
    return chapter <= kChapterCount ? chapter : 0;
}

}  // namespace ostrel::library
