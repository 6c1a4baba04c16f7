#include "FileGenerator.h"

#include "platform/FileWrite.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <locale.h>

void FileGenerator::AddFormat(const char* format, ...) {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    locale_t previous = uselocale(c);
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    uselocale(previous);
    lines_.emplace_back(buffer);
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
