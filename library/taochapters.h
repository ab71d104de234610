#pragma once

#include <string>

namespace ostrel {

// The romanised title of the chapter that sInput names ("1" to "81"), with its leading and
// trailing blank; the empty string for any other text.
std::u16string TaoChapters(std::u16string sInput);

}  // namespace ostrel
