#include "taochaptertext.h"

#include "chapterdata.h"

namespace ostrel {

std::u16string TaoChapterText(const std::u16string& sInput)
{
    const int chapter = library::chapterOfKey(sInput);
    std::u16string text;
    if (chapter == 0) return text;
    for (std::u16string_view line : library::chapterLines[chapter - 1]) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

}  // namespace ostrel
