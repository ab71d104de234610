#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "aboutbox.h"
#include "aboutlines.h"
#include "decrypt.h"
#include "errors.h"
#include "fakeruntime.h"
#include "scramble.h"
#include "version.h"

namespace ostrel {
namespace {

std::u16string unit(int code) { return std::u16string(1, static_cast<char16_t>(code)); }

TEST(Decrypt, BlockBoundaries)
{
    EXPECT_EQ(Decrypt(unit(192)), u"A");
    EXPECT_EQ(Decrypt(unit(217)), u"Z");
    EXPECT_EQ(Decrypt(unit(218)), u"a");
    EXPECT_EQ(Decrypt(unit(243)), u"z");
    EXPECT_EQ(Decrypt(unit(244)), u"0");
    EXPECT_EQ(Decrypt(unit(253)), u"9");
    EXPECT_EQ(Decrypt(u"\u00da\u00db\u00dc"), u"abc");
    for (int code : {191, 254, 255}) EXPECT_EQ(Decrypt(unit(code)), unit(code));
}

TEST(Decrypt, EverythingElsePassesUnchanged)
{
    EXPECT_EQ(Decrypt(u""), u"");
    EXPECT_EQ(Decrypt(u" "), u" ");
    for (int code = 0; code < 192; ++code) EXPECT_EQ(Decrypt(unit(code)), unit(code)) << code;
    EXPECT_EQ(Decrypt(u"n\u00b0 7"), u"n\u00b0 7");
    EXPECT_EQ(Decrypt(u"\u20ac\u2014\u0100\uffff"), u"\u20ac\u2014\u0100\uffff");
    const std::u16string pair = u"\U0001D11E";  // a surrogate pair
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(Decrypt(pair), pair);
    EXPECT_EQ(Decrypt(std::u16string(1, u'\xd800')), std::u16string(1, u'\xd800'));
}

TEST(Decrypt, KeepsLengthAndIsIdempotent)
{
    std::u16string all;
    for (int code = 0; code < 0x300; ++code) all += static_cast<char16_t>(code);
    const std::u16string once = Decrypt(all);
    EXPECT_EQ(once.size(), all.size());
    EXPECT_EQ(Decrypt(once), once);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] < 0xc0 || all[i] > 0xfd) {
            EXPECT_EQ(once[i], all[i]);
        }
}

TEST(Decrypt, UndoesTheScramblerForPrintableAscii)
{
    std::u16string ascii;
    for (char16_t c = 0x20; c < 0x7f; ++c) ascii += c;
    const std::u16string stored = Scramble(ascii);
    for (char16_t c : stored)
        EXPECT_TRUE(c < 0x80 ? !std::isalnum(c) : (c >= 0xc0 && c <= 0xfd)) << int(c);
    EXPECT_EQ(Decrypt(stored), ascii);
}

TEST(Decrypt, OverflowsAbove32767Characters)
{
    EXPECT_EQ(Decrypt(std::u16string(32767, u'\u00da')), std::u16string(32767, u'a'));
    EXPECT_THROW(Decrypt(std::u16string(32768, u'\u00da')), RuntimeError);
    try {
        Decrypt(std::u16string(40000, u'x'));
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

TEST(AboutBox, StoredLinesAreScrambledOnly)
{
    for (std::u16string_view line : kAboutLines) {
        ASSERT_FALSE(line.empty());
        for (char16_t c : line)
            EXPECT_TRUE((c >= 0xc0 && c <= 0xfd) || (c < 0x80 && !std::isalnum(c))) << int(c);
    }
}

TEST(AboutBox, MessageJoinsFourLinesWithCrLf)
{
    const std::u16string message = aboutMessage();
    std::u16string expected;
    for (std::size_t i = 0; i < kAboutLines.size(); ++i) {
        if (i > 0) expected += u"\r\n";
        expected += Decrypt(std::u16string(kAboutLines[i]));
    }
    EXPECT_EQ(message, expected);
    EXPECT_EQ(message.find(u"\r\n\r\n"), std::u16string::npos);
    EXPECT_EQ(std::count(message.begin(), message.end(), u'\r'), 3);
    EXPECT_EQ(std::count(message.begin(), message.end(), u'\n'), 3);
    // The first line names the product and its version from the version record.
    EXPECT_EQ(message.rfind(u"" OSTREL_PRODUCT u" version " OSTREL_VERSION_TEXT u"\r\n", 0), 0u);
    for (char16_t c : message) EXPECT_LT(c, 0x80);
}

TEST(AboutBox, ClickShowsTheMessageUnderTheTitle)
{
    test::FakeRuntime runtime;
    runtime.recording = true;
    Form_Click(runtime);
    Form_Click(runtime);
    ASSERT_EQ(runtime.boxes, 2);
    EXPECT_EQ(runtime.entries[0].text, u"Ostrel|" + aboutMessage());
    EXPECT_EQ(runtime.entries[1].text, runtime.entries[0].text);
}

// No plain about line may be read from the program file or the source tree.
class PlainAboutLines : public testing::Test {
protected:
    static std::vector<std::string> needles()
    {
        std::vector<std::string> found;
        for (std::u16string_view line : kAboutLines) {
            const std::u16string plain = Decrypt(std::u16string(line));
            std::string ascii, utf16;
            for (char16_t c : plain) {
                ascii += static_cast<char>(c);
                utf16 += static_cast<char>(c);
                utf16 += '\0';
            }
            found.push_back(ascii);
            found.push_back(utf16);
        }
        return found;
    }

    static void expectAbsent(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        for (const std::string& needle : needles())
            EXPECT_EQ(bytes.find(needle), std::string::npos) << file << " holds a plain line";
    }
};

TEST_F(PlainAboutLines, AreNotInTheProgram) { expectAbsent(OSTREL_PROGRAM); }

TEST_F(PlainAboutLines, AreNotInTheSources)
{
    namespace fs = std::filesystem;
    int files = 0;
    for (auto it = fs::recursive_directory_iterator(OSTREL_SOURCE_DIR);
         it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name.starts_with("build") || name.starts_with("."))) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file()) {
            expectAbsent(it->path());
            ++files;
        }
    }
    EXPECT_GT(files, 20);
}

}  // namespace
}  // namespace ostrel
