#include "FileGenerator.h"

#include "platform/FileWrite.h"

#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <locale.h>
#include <unistd.h>

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
    std::error_code ec;
    std::filesystem::remove(fileName, ec);
    std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (!folder.empty() && !std::filesystem::exists(folder, ec)) {
        if (!std::filesystem::create_directories(folder, ec))
            return false;
    }
    int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    // The lines go out unchanged and in order, gathered into one write.
    std::string text;
    for (const std::string& line : lines_)
        text += line;
    bool ok = platform::WriteAll(fd, text);
    if (::close(fd) != 0)
        ok = false;
    return ok;
}
