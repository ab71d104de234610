#include "scramble.h"

#include <cstdio>

namespace ostrel {

std::u16string Scramble(std::u16string_view plain)
{
    std::u16string stored(plain);
    for (char16_t& c : stored) {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + 127);
        else if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c + 121);
        else if (c >= u'0' && c <= u'9')
            c = static_cast<char16_t>(c + 196);
    }
    return stored;
}

std::string scrambledLiteral(std::u16string_view plain)
{
    std::string literal = "u\"";
    for (char16_t c : Scramble(plain)) {
        if (c >= 0x20 && c < 0x7f && c != u'"' && c != u'\\') {
            literal += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            literal += escape;
        }
    }
    return literal + '"';
}

}  // namespace ostrel
