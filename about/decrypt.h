#pragma once

#include <string>

namespace ostrel {

// Undoes the scrambling of the stored about lines, one character at a time: the Windows-1252
// characters of codes 192 to 217, 218 to 243 and 244 to 253 become the capital letters, small
// letters and digits, in order; every other character is kept as it came. The result has the
// input's length. Throws the overflow error for an input of more than 32,767 characters.
std::u16string Decrypt(std::u16string sInput);

}  // namespace ostrel
