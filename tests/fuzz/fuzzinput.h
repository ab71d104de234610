#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ostrel::fuzz {

// The fuzzer's bytes as 16-bit units, low byte first; an odd last byte is dropped.
inline std::u16string units(const std::uint8_t* data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    return text;
}

// The keys that name a chapter, "1" to "81", written out independently of the library.
inline bool isChapterKey(const std::u16string& key)
{
    for (int chapter = 1; chapter <= 81; ++chapter) {
        const std::string digits = std::to_string(chapter);
        if (key == std::u16string(digits.begin(), digits.end())) return true;
    }
    return false;
}

}  // namespace ostrel::fuzz
