#pragma once

#include <string>

namespace ostrel {

// The full text of the chapter that sInput names ("1" to "81"): each of its lines followed by
// CR LF, starting with an empty line and with an empty line before each further stanza. The
// empty string for any other text.
std::u16string TaoChapterText(const std::u16string& sInput);

}  // namespace ostrel
