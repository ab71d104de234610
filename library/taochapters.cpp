#include "taochapters.h"

#include <array>
#include <string_view>

#include "chapterdata.h"

namespace ostrel {
namespace {

// The traditional romanised titles, chapter 1 first; è and ù are the single units U+00E8 and
// U+00F9. Chapters 12 and 46, 17 and 57, 35 and 49 share their titles.
constexpr std::array<std::u16string_view, library::kChapterCount> kTitles = {
    u" t'i tao ", u" yang shèn ", u" an min ",
    u" wu yùan ", u" hsù yung ", u" ch'èng hsiang ",
    u" t'ao kuang ", u" i hsing ", u" yun i ",
    u" nèng wei ", u" wu yung ", u" chien yù ",
    u" yèn ch'ih ", u" tsan hsùan ", u" hsien tè ",
    u" kuei kèn ", u" shun fèng ", u" su po ",
    u" huan shun ", u" i su ", u" hsù hsin ",
    u" i ch'ien ", u" hsù wu ", u" ku èn ",
    u" hsiang hsùan ", u" chung tè ", u" ch'iao yung ",
    u" fan p'u ", u" wu wei ", u" chien wu ",
    u" yèn wu ", u" shèng tè ", u" pien tè ",
    u" jèn ch'èng ", u" jèn tè ", u" wei ming ",
    u" wei chèng ", u" lun tè ", u" fa pèn ",
    u" ch'ù yung ", u" t'ung i ", u" tao hua ",
    u" pien yung ", u" li chieh ", u" hung tè ",
    u" chien yù ", u" chien yùan ", u" wang chih ",
    u" jèn tè ", u" kuei shèng ", u" yang tè ",
    u" huei yùan ", u" i chèng ", u" hsù kuan ",
    u" hsùan pu ", u" hsùan tè ", u" shun fèng ",
    u" shun hua ", u" shou tao ", u" chù wei ",
    u" ch'ien tè ", u" wei tao ", u" ssù shih ",
    u" shou wei ", u" shun tè ", u" hou chi ",
    u" san pao ", u" p'ei t'ien ", u" hsùan yung ",
    u" chih nan ", u" chih ping ", u" ai chi ",
    u" jèn wei ", u" chih huo ", u" t'an sun ",
    u" chieh ch'iang ", u" t'ien tao ", u" jèn hsin ",
    u" jèn ch'i ", u" tu li ", u" hsien chih ",
};

}  // namespace

std::u16string TaoChapters(std::u16string sInput)
{
    const int chapter = library::chapterOfKey(sInput);
    return chapter == 0 ? std::u16string() : std::u16string(kTitles[chapter - 1]);
}

}  // namespace ostrel
