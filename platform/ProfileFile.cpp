#include "ProfileFile.h"

#include "FileRead.h"
#include "FileWrite.h"
#include "Text.h"

#include <cerrno>
#include <vector>

namespace platform {

namespace {

struct Line {
    std::size_t start;   // first byte of the line's text
    std::size_t textEnd; // the text ends here; its line end follows
    std::size_t end;     // the next line starts here
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    // A UTF-8 byte-order mark belongs to no line's text.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        start = 3;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string::npos ? text.size() : lf + 1;
        std::size_t textEnd = lf == std::string::npos ? text.size() : lf;
        if (textEnd > start && text[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back({start, textEnd, end});
        start = end;
    }
    return lines;
}

std::string_view Trimmed(std::string_view s) {
    const char* blanks = " \t";
    std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

// The section a line opens, or nothing when it opens none.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = Trimmed(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    t.remove_prefix(1);
    std::size_t close = t.find(']');
    return Trimmed(close == std::string_view::npos ? t : t.substr(0, close));
}

// Where the named section and the named key in it are.
struct Found {
    std::optional<std::size_t> section; // line of the section's header
    std::optional<std::size_t> key;     // line of the key
    std::size_t lastFilled = 0;         // the section's last line that is not blank
};

Found Find(const std::string& text, const std::vector<Line>& lines, std::string_view section,
           std::string_view key) {
    Found f;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line(text.data() + lines[i].start, lines[i].textEnd - lines[i].start);
        std::optional<std::string_view> name = SectionName(line);
        if (f.section) {
            if (name)
                break; // the next section begins
            if (!Trimmed(line).empty())
                f.lastFilled = i;
            std::size_t eq = line.find('=');
            if (eq != std::string_view::npos && EqualsNoCase(Trimmed(line.substr(0, eq)), key)) {
                f.key = i;
                break;
            }
        } else if (name && EqualsNoCase(*name, section)) {
            f.section = i;
            f.lastFilled = i;
        }
    }
    return f;
}

} // namespace

std::optional<ProfileFile> ProfileFile::Read(const std::string& path) {
    std::optional<std::string> text = ReadRegularFile(path);
    if (!text)
        return std::nullopt;
    return ProfileFile(std::move(*text));
}

std::optional<ProfileFile> ProfileFile::ReadOrEmpty(const std::string& path) {
    std::optional<ProfileFile> file = Read(path);
    if (!file && errno == ENOENT)
        return ProfileFile();
    return file;
}

std::optional<std::string> ProfileFile::Value(std::string_view section, std::string_view key) const {
    const std::vector<Line> lines = SplitLines(text_);
    const Found f = Find(text_, lines, section, key);
    if (!f.key)
        return std::nullopt;
    const Line& line = lines[*f.key];
    std::string_view t(text_.data() + line.start, line.textEnd - line.start);
    std::string_view value = Trimmed(t.substr(t.find('=') + 1));
    // Quotes around a value are not part of it.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

int32_t ProfileFile::Int(std::string_view section, std::string_view key, int32_t fallback) const {
    std::optional<std::string> value = Value(section, key);
    if (!value || value->empty())
        return fallback;
    return ProfileInt(*value);
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<Line> lines = SplitLines(text_);
    std::string eol = "\n";
    for (const Line& line : lines)
        if (line.end > line.textEnd) {
            eol = text_.substr(line.textEnd, line.end - line.textEnd);
            break;
        }
    const Found f = Find(text_, lines, section, key);
    if (f.key) {
        // The key keeps its spelling; only what follows it changes.
        const Line& line = lines[*f.key];
        std::string_view t(text_.data() + line.start, line.textEnd - line.start);
        std::string entry = std::string(Trimmed(t.substr(0, t.find('=')))) + "=" + std::string(value);
        text_.replace(line.start, line.textEnd - line.start, entry);
        return;
    }
    std::string entry = std::string(key) + "=" + std::string(value) + eol;
    if (f.section) {
        const Line& after = lines[f.lastFilled];
        std::size_t at = after.end;
        if (after.end == after.textEnd) { // the file's last line, without an end
            text_.insert(at, eol);
            at += eol.size();
        }
        text_.insert(at, entry);
        return;
    }
    if (!text_.empty() && text_.back() != '\n')
        text_ += eol;
    text_ += "[" + std::string(section) + "]" + eol + entry;
}

bool ProfileFile::Write(const std::string& path) const {
    int error = 0;
    return ReplaceFile(path, text_, error) == ReplaceResult::Ok;
}

int32_t ProfileInt(std::string_view value) {
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    uint32_t n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        n = n * 10u + static_cast<uint32_t>(value[i] - '0');
    if (negative)
        n = 0u - n;
    return static_cast<int32_t>(n);
}

} // namespace platform
