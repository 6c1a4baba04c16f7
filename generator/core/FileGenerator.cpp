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
    locale_t previous = uselocale(c);
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(n > 0 ? static_cast<std::size_t>(n) : 0u, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    uselocale(previous);
    // Cut as the 1024-byte buffer cut it, but never inside a character.
    text.resize(platform::CharBoundaryPrefix(text, kLineBytes - 1));
    lines_.push_back(std::move(text));
}

bool FileGenerator::SaveToFile(const std::string& fileName) const {
    // The report already there is replaced only by a whole new one, never removed first.
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (!folder.empty() && !std::filesystem::exists(folder, ec)) {
        if (!std::filesystem::create_directories(folder, ec))
            return false;
    }
    // The lines go out unchanged and in order, gathered into one write.
    std::string text;
    for (const std::string& line : lines_)
        text += line;
    int error = 0;
    return platform::ReplaceFile(fileName, text, error) == platform::ReplaceResult::Ok;
}
