// Compiles the chapter texts (chapters.txt) into C++ at build time, and refuses a data file that
// breaks one of the rules below, naming the file, the line and the rule.
//
// The file: optional "# " comment lines, then for each chapter a marker "## N" followed at once by
// the lines of its first stanza. An empty line opens each further stanza, and one empty line
// stands before every marker after the first.

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kChapters = 81;
constexpr std::size_t kMaxLineLength = 52;  // what the text box shows without wrapping
constexpr std::size_t kMaxRows = 32;        // lines, empty ones included, that a reader scrolls
constexpr std::string_view kPunctuation = "!',-.:;?";

struct Line {
    int number;  // in the file
    std::string text;
};

struct Chapter {
    int marker = 0;  // line of the "## N" marker
    std::vector<Line> lines;  // the first, empty line is implied
};

class DataError {
public:
    DataError(int line, std::string rule) : line_(line), rule_(std::move(rule)) {}
    int line() const { return line_; }
    const std::string& rule() const { return rule_; }

private:
    int line_;
    std::string rule_;
};

std::optional<int> markerNumber(std::string_view line)
{
    if (!line.starts_with("## ")) return std::nullopt;
    const std::string_view digits = line.substr(3);
    if (digits.empty() || digits.size() > 2 || digits[0] == '0') return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool allowed(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' ||
           kPunctuation.find(c) != std::string_view::npos;
}

void checkTextLine(const Line& line)
{
    for (char c : line.text) {
        if (allowed(c)) continue;
        const auto byte = static_cast<unsigned char>(c);
        std::ostringstream rule;
        if (c >= '0' && c <= '9')
            rule << "digits are not allowed: write numbers as words";
        else if (byte < 0x20 || byte >= 0x7f)
            rule << "character 0x" << std::hex << int(byte)
                 << " is not allowed: printable ASCII only";
        else
            rule << "character '" << c << "' is not allowed: letters, the blank and "
                 << kPunctuation << " only";
        throw DataError(line.number, rule.str());
    }
    if (line.text.front() == ' ' || line.text.back() == ' ')
        throw DataError(line.number, "a line of text has no blank at its start or end");
    if (line.text.size() > kMaxLineLength)
        throw DataError(line.number, "a line of text holds at most " +
                                         std::to_string(kMaxLineLength) + " characters");
}

std::array<Chapter, kChapters + 1> parse(std::istream& in)
{
    std::array<Chapter, kChapters + 1> chapters;
    Chapter* current = nullptr;
    std::string text;
    int number = 0;
    bool previousEmpty = false;
    while (std::getline(in, text)) {
        ++number;
        if (const auto n = markerNumber(text)) {
            if (*n < 1 || *n > kChapters)
                throw DataError(number, "a chapter marker is ## followed by a number from 1 to 81");
            if (chapters[*n].marker != 0)
                throw DataError(number, "chapter " + std::to_string(*n) + " appears twice");
            if (current && !previousEmpty)
                throw DataError(number, "an empty line stands before each chapter marker");
            if (current) current->lines.pop_back();  // that empty line separates chapters
            current = &chapters[*n];
            current->marker = number;
            previousEmpty = false;
            continue;
        }
        if (!current) {
            if (text.starts_with("# ") || text == "#") continue;
            throw DataError(number, "the file starts with comments and then a chapter marker");
        }
        const bool empty = text.empty();
        if (empty && current->lines.empty())
            throw DataError(number, "the first line of a chapter opens its first stanza");
        if (empty && previousEmpty) throw DataError(number, "never two empty lines in a row");
        if (!empty) checkTextLine({number, text});
        current->lines.push_back({number, text});
        previousEmpty = empty;
    }
    if (previousEmpty) throw DataError(number, "a chapter never ends with an empty line");
    return chapters;
}

void checkChapters(const std::array<Chapter, kChapters + 1>& chapters, int lastLine)
{
    std::map<std::vector<std::string>, int> seen;
    for (int n = 1; n <= kChapters; ++n) {
        const Chapter& chapter = chapters[n];
        if (chapter.marker == 0)
            throw DataError(lastLine, "chapter " + std::to_string(n) + " is missing");
        if (chapter.lines.empty())
            throw DataError(chapter.marker, "chapter " + std::to_string(n) + " has no text");
        if (chapter.lines.size() + 1 > kMaxRows)
            throw DataError(chapter.marker, "a chapter holds at most " + std::to_string(kMaxRows) +
                                                " lines, empty ones included");
        std::vector<std::string> key;
        for (const Line& line : chapter.lines) key.push_back(line.text);
        const auto [it, fresh] = seen.emplace(std::move(key), n);
        if (!fresh)
            throw DataError(chapter.marker, "chapter " + std::to_string(n) +
                                                " repeats the text of chapter " +
                                                std::to_string(it->second));
    }
}

void write(std::ostream& out, const std::array<Chapter, kChapters + 1>& chapters)
{
    out << "// Generated from chapters.txt by chaptergen: edit that file, not this one.\n\n"
           "#include \"chapterdata.h\"\n\n"
           "namespace ostrel::library {\nnamespace {\n\n";
    for (int n = 1; n <= kChapters; ++n) {
        out << "constexpr std::u16string_view chapter" << n << "[] = {\n    u\"\",\n";
        for (const Line& line : chapters[n].lines) out << "    u\"" << line.text << "\",\n";
        out << "};\n";
    }
    out << "\n}  // namespace\n\nconst std::array<std::span<const std::u16string_view>, "
           "kChapterCount> chapterLines = {\n";
    for (int n = 1; n <= kChapters; ++n) out << "    chapter" << n << ",\n";
    out << "};\n\n}  // namespace ostrel::library\n";
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: chaptergen chapters.txt output.cpp\n";
        return 2;
    }
    const std::string path = argv[1];
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": error: cannot be read\n";
        return 1;
    }
    try {
        const auto chapters = parse(in);
        int lines = 0;
        for (const Chapter& c : chapters) lines = std::max(lines, c.lines.empty() ? c.marker : c.lines.back().number);
        checkChapters(chapters, lines);
        std::ostringstream out;
        write(out, chapters);
        std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
        file << out.str();
        if (!file) {
            std::cerr << argv[2] << ": error: cannot be written\n";
            return 1;
        }
    } catch (const DataError& e) {
        std::cerr << path << ':' << e.line() << ": error: " << e.rule() << '\n';
        return 1;
    }
    return 0;
}
