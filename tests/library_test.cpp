#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "taochapters.h"
#include "taochaptertext.h"

namespace ostrel {
namespace {

std::u16string key(int n)
{
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

int count(const std::u16string& text, std::u16string_view part)
{
    int n = 0;
    for (auto at = text.find(part); at != std::u16string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(ChapterTitles, MatchTheTraditionalTable)
{
    EXPECT_EQ(TaoChapters(u"1"), u" t'i tao ");
    EXPECT_EQ(TaoChapters(u"6"), u" ch'\u00e8ng hsiang ");
    EXPECT_EQ(TaoChapters(u"20"), u" i su ");
    EXPECT_EQ(TaoChapters(u"76"), u" chieh ch'iang ");
    EXPECT_EQ(TaoChapters(u"81"), u" hsien chih ");
}

TEST(ChapterTitles, SharedTitlesAreEqual)
{
    EXPECT_EQ(TaoChapters(u"12"), u" chien y\u00f9 ");
    EXPECT_EQ(TaoChapters(u"46"), TaoChapters(u"12"));
    EXPECT_EQ(TaoChapters(u"17"), u" shun f\u00e8ng ");
    EXPECT_EQ(TaoChapters(u"57"), TaoChapters(u"17"));
    EXPECT_EQ(TaoChapters(u"35"), u" j\u00e8n t\u00e8 ");
    EXPECT_EQ(TaoChapters(u"49"), TaoChapters(u"35"));
}

TEST(ChapterTitles, AccentsArePrecomposedUnits)
{
    const std::u16string four = TaoChapters(u"4");
    ASSERT_EQ(four.size(), 9u);
    EXPECT_EQ(four[5], u'\u00f9');
    const std::u16string ten = TaoChapters(u"10");
    ASSERT_EQ(ten.size(), 10u);
    EXPECT_EQ(ten[2], u'\u00e8');
}

TEST(ChapterTitles, EveryTitleIsBlankWordBlankWordBlank)
{
    std::set<std::u16string> distinct;
    for (int n = 1; n <= 81; ++n) {
        const std::u16string title = TaoChapters(key(n));
        SCOPED_TRACE(n);
        ASSERT_GE(title.size(), 6u);
        ASSERT_LE(title.size(), 15u);
        EXPECT_EQ(title.front(), u' ');
        EXPECT_EQ(title.back(), u' ');
        EXPECT_EQ(count(title, u" "), 3);
        EXPECT_EQ(title.find(u"  "), std::u16string::npos);
        for (char16_t c : title)
            EXPECT_TRUE((c >= u'a' && c <= u'z') || c == u' ' || c == u'\'' || c == u'\u00e8' ||
                        c == u'\u00f9');
        distinct.insert(title);
    }
    EXPECT_EQ(distinct.size(), 78u);  // three titles serve two chapters each
}

TEST(ChapterTexts, EveryTextIsWellFormed)
{
    std::set<std::u16string> distinct;
    for (int n = 1; n <= 81; ++n) {
        const std::u16string text = TaoChapterText(key(n));
        SCOPED_TRACE(n);
        ASSERT_GE(text.size(), 5u);
        EXPECT_EQ(text.substr(0, 2), u"\r\n");
        EXPECT_NE(text[2], u'\r');
        EXPECT_NE(text[2], u'\n');
        EXPECT_NE(text[2], u' ');
        EXPECT_EQ(text.substr(text.size() - 2), u"\r\n");
        const char16_t last = text[text.size() - 3];
        EXPECT_TRUE(last != u'\r' && last != u'\n' && last != u' ');
        EXPECT_EQ(text.find(u"\r\n\r\n\r\n"), std::u16string::npos);
        EXPECT_EQ(count(text, u"\r"), count(text, u"\r\n"));
        EXPECT_EQ(count(text, u"\n"), count(text, u"\r\n"));

        // Split at each CR LF: the empty first line, lines of text, one empty line a stanza.
        int linesOfText = 0, stanzas = 0;
        std::size_t start = 0;
        for (auto end = text.find(u"\r\n"); end != std::u16string::npos;
             start = end + 2, end = text.find(u"\r\n", start)) {
            const std::u16string line = text.substr(start, end - start);
            if (line.empty()) {
                ++stanzas;
                continue;
            }
            ++linesOfText;
            EXPECT_NE(line.front(), u' ');
            EXPECT_NE(line.back(), u' ');
            EXPECT_LE(line.size(), 52u);
            for (char16_t c : line)
                EXPECT_TRUE((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                            std::u16string_view(u" !',-.:;?").find(c) != std::u16string_view::npos)
                    << "unit " << int(c);
        }
        EXPECT_EQ(start, text.size());
        EXPECT_EQ(count(text, u"\r\n"), linesOfText + stanzas);
        EXPECT_LE(linesOfText + stanzas, 32);
        EXPECT_EQ(TaoChapterText(key(n)), text);
        distinct.insert(text);
    }
    EXPECT_EQ(distinct.size(), 81u);
}

TEST(ChapterKeys, OnlyTheExactKeyTextsMatch)
{
    for (const std::u16string& bad : std::initializer_list<std::u16string>{
             u"", u"0", u"82", u"100", u" 1", u"1 ", u"01", u"+1", u"-1", u"1.0", u"\uff11",
          std::u16string(u"1\0", 2)}) {
        EXPECT_EQ(TaoChapters(bad), u"");
        EXPECT_EQ(TaoChapterText(bad), u"");
    }
}

TEST(ChapterKeys, TheCallersKeyIsUnchanged)
{
    std::u16string key = u"42";
    const std::u16string text = TaoChapterText(key);
    const std::u16string title = TaoChapters(key);
    EXPECT_EQ(key, u"42");
    EXPECT_FALSE(text.empty());
    EXPECT_FALSE(title.empty());
}

// The build refuses a data file that breaks a rule, and names the file, the line and the rule.
class ChapterData : public testing::Test {
protected:
    std::string compile(const std::string& data, int* status)
    {
        const auto dir = std::filesystem::temp_directory_path();
        const auto input = dir / ("ostrel-chapters-" + std::to_string(::getpid()) + ".txt");
        std::ofstream(input, std::ios::binary) << data;
        const std::string command = std::string(OSTREL_CHAPTERGEN) + " " + input.string() + " " +
                                    (dir / "ostrel-chapters-out.cpp").string() + " 2>&1";
        std::string output;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        *status = pclose(pipe);
        std::filesystem::remove(input);
        return output;
    }

    // A valid file whose chapter 2 is replaced by the given lines.
    static std::string withChapterTwo(const std::string& lines)
    {
        std::string data = "# test data\n";
        for (int n = 1; n <= 81; ++n) {
            if (n > 1) data += "\n";
            data += "## " + std::to_string(n) + "\n";
            data += n == 2 ? lines : "Line of chapter " + words(n) + "\n";
        }
        return data;
    }

    static std::string words(int n)
    {
        std::string w;
        for (; n > 0; n /= 3) w += "abc"[n % 3];
        return w;
    }

    void expectRejected(const std::string& data, int line, const std::string& rule)
    {
        int status = 0;
        const std::string output = compile(data, &status);
        EXPECT_NE(status, 0) << output;
        EXPECT_NE(output.find(".txt:" + std::to_string(line) + ": error: " + rule),
                  std::string::npos)
            << output;
    }
};

TEST_F(ChapterData, AcceptsAValidFile)
{
    int status = 1;
    const std::string output = compile(withChapterTwo("Two lines\n\nin two stanzas\n"), &status);
    EXPECT_EQ(status, 0) << output;
}

TEST_F(ChapterData, RejectsBrokenRules)
{
    // Chapter 2's marker is on line 5, its first line on line 6.
    expectRejected(withChapterTwo("\nText\n"), 6, "the first line of a chapter opens");
    expectRejected(withChapterTwo("One\n\n\nTwo\n"), 8, "never two empty lines in a row");
    expectRejected(withChapterTwo("One\n\n"), 8, "never two empty lines in a row");
    expectRejected(withChapterTwo("Chapter 21\n"), 6, "digits are not allowed");
    expectRejected(withChapterTwo("He said \"no\"\n"), 6, "character '\"' is not allowed");
    expectRejected(withChapterTwo("Tab\there\n"), 6, "character 0x9 is not allowed");
    expectRejected(withChapterTwo("Windows line\r\n"), 6, "character 0xd is not allowed");
    expectRejected(withChapterTwo("Caf\xc3\xa9\n"), 6, "character 0xc3 is not allowed");
    expectRejected(withChapterTwo(" Leading blank\n"), 6, "a line of text has no blank");
    expectRejected(withChapterTwo(std::string(53, 'a') + "\n"), 6, "a line of text holds at most 52");
    expectRejected(withChapterTwo("Line of chapter " + words(1) + "\n"), 5,
                   "chapter 2 repeats the text of chapter 1");
    expectRejected(withChapterTwo("Text\n## 3\n"), 7, "an empty line stands before each");

    std::string missing = withChapterTwo("Text\n");
    missing.erase(missing.find("\n## 81"));
    expectRejected(missing, 240, "chapter 81 is missing");
    expectRejected(withChapterTwo("Text\n") + "\n## 5\nMore\n", 245, "chapter 5 appears twice");
    expectRejected(withChapterTwo("Text\n") + "\n", 244, "a chapter never ends with an empty line");
}

}  // namespace
}  // namespace ostrel
