// TaoChapters over arbitrary 16-bit strings: a title, opened and closed by a blank, exactly for
// the keys "1" to "81", and the empty string for any other text.

#include <cstdint>
#include <cstdlib>

#include "fuzzinput.h"
#include "taochapters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string key = ostrel::fuzz::units(data, size);
    const std::u16string title = ostrel::TaoChapters(key);
    if (title.empty() == ostrel::fuzz::isChapterKey(key)) std::abort();
    if (!title.empty() && (title.front() != u' ' || title.back() != u' ')) std::abort();
    return 0;
}
