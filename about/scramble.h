#pragma once

#include <string>
#include <string_view>

namespace ostrel {

// Stores plain text in the scrambled form that Decrypt undoes: capital letters, small letters
// and digits become the characters U+00C0 to U+00FD; every other character stays. Not part of
// the program: it remakes the stored about lines and checks Decrypt.
std::u16string Scramble(std::u16string_view plain);

// The scrambled text as a C++ string literal of \u escapes, such as u"\u00da\u00db".
std::string scrambledLiteral(std::u16string_view plain);

}  // namespace ostrel
