#include "decrypt.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "errors.h"

namespace ostrel {
namespace {

constexpr std::size_t kMaxLength = 32767;  // lengths are counted in 16 bits, signed

// Windows-1252 places these characters at codes 128 to 159; the rest of the code page up to
// 255 is the same as Unicode's first 256 characters.
constexpr std::array<std::pair<char16_t, int>, 27> kHighCodes = {{
    {u'\u20ac', 128}, {u'\u201a', 130}, {u'\u0192', 131}, {u'\u201e', 132}, {u'\u2026', 133},
    {u'\u2020', 134}, {u'\u2021', 135}, {u'\u02c6', 136}, {u'\u2030', 137}, {u'\u0160', 138},
    {u'\u2039', 139}, {u'\u0152', 140}, {u'\u017d', 142}, {u'\u2018', 145}, {u'\u2019', 146},
    {u'\u201c', 147}, {u'\u201d', 148}, {u'\u2022', 149}, {u'\u2013', 150}, {u'\u2014', 151},
    {u'\u02dc', 152}, {u'\u2122', 153}, {u'\u0161', 154}, {u'\u203a', 155}, {u'\u0153', 156},
    {u'\u017e', 158}, {u'\u0178', 159},
}};

// The Windows-1252 code of a character, if it has one.
std::optional<int> windows1252Code(char16_t c)
{
    if (c < 0x80 || (c >= 0xa0 && c <= 0xff)) return c;
    const auto it = std::find_if(kHighCodes.begin(), kHighCodes.end(),
                                 [c](const auto& entry) { return entry.first == c; });
    if (it != kHighCodes.end()) return it->second;
    return std::nullopt;
}

char16_t unscramble(char16_t c)
{
    const std::optional<int> code = windows1252Code(c);
    if (!code) return c;
    if (*code >= 192 && *code <= 217) return static_cast<char16_t>(*code - 127);  // A to Z
    if (*code >= 218 && *code <= 243) return static_cast<char16_t>(*code - 121);  // a to z
    if (*code >= 244 && *code <= 253) return static_cast<char16_t>(*code - 196);  // 0 to 9
    return c;  // the blank, and everything else, stays as it came
}

}  // namespace

std::u16string Decrypt(std::u16string sInput)
{
    if (sInput.size() > kMaxLength) throw overflowError();
    std::u16string result;
    result.reserve(sInput.size());
    for (char16_t c : sInput) result += unscramble(c);
    return result;
}

}  // namespace ostrel
