#include "FileGenerator.h"

#include "platform/FileWrite.h"
#include "platform/Text.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <locale.h>

namespace {
constexpr std::size_t kLineBytes = 1024;
}

void FileGenerator::AddFormat(const char* format, ...) {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    // One byte more than the line keeps, so the cut can see the character it falls in.
    char line[kLineBytes + 1];
    locale_t previous = uselocale(c);
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    uselocale(previous);
    if (n <= 0)
        return;
    const std::size_t start = text_.size();
    text_.append(line, static_cast<std::size_t>(n) < kLineBytes ? static_cast<std::size_t>(n) : kLineBytes);
    CutFrom(start);
}

void FileGenerator::Add(std::initializer_list<std::string_view> pieces) {
    const std::size_t start = text_.size();
    for (std::string_view piece : pieces)
        text_ += piece;
    CutFrom(start);
}

void FileGenerator::CutFrom(std::size_t start) {
    // Cut as the 1024-byte buffer cut a line, but never inside a character.
    const std::string_view line = std::string_view(text_).substr(start);
    if (line.size() > kLineBytes - 1)
        text_.resize(start + platform::CharBoundaryPrefix(line, kLineBytes - 1));
}

bool FileGenerator::SaveToFile(const std::string& fileName) const {
    // The report already there is replaced only by a whole new one, never removed first.
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (!folder.empty() && !std::filesystem::exists(folder, ec)) {
        if (!std::filesystem::create_directories(folder, ec))
            return false;
    }
    int error = 0;
    return platform::ReplaceFile(fileName, text_, error) == platform::ReplaceResult::Ok;
}
