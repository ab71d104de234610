// TaoChapterText over arbitrary 16-bit strings: a text of whole CR LF lines, opening with an
// empty one, exactly for the keys "1" to "81", the empty string for any other text, and the
// caller's key left as it was.

#include <cstdint>
#include <cstdlib>

#include "fuzzinput.h"
#include "taochaptertext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string key = ostrel::fuzz::units(data, size);
    const std::u16string asked = key;
    const std::u16string text = ostrel::TaoChapterText(asked);
    if (asked != key) std::abort();
    if (text.empty() == ostrel::fuzz::isChapterKey(key)) std::abort();
    if (!text.empty() && !(text.starts_with(u"\r\n") && text.ends_with(u"\r\n"))) std::abort();
    return 0;
}
