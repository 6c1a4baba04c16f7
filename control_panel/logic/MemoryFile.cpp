#include "MemoryFile.h"

#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/Text.h"

#include <cstdio>
#include <memory>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Only a regular file is read, and opening never waits (a named pipe is refused).
File OpenForReading(const std::string& path) {
    int fd = platform::OpenRegularFile(path);
    if (fd < 0)
        return nullptr;
    std::FILE* f = ::fdopen(fd, "rb");
    if (f == nullptr)
        ::close(fd);
    return File(f);
}

} // namespace

bool IsHexFile(const std::string& path) {
    return strncasecmp(platform::ExtractFileExt(path).c_str(), ".HEX", 4) == 0;
}

std::string HexText(const uint8_t* data, std::size_t n) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(2 * n, '0');
    for (std::size_t i = 0; i < n; ++i) {
        text[2 * i] = kDigits[data[i] >> 4];
        text[2 * i + 1] = kDigits[data[i] & 0xF];
    }
    return text;
}

uint8_t HexPairValue(char high, char low) {
    const char pair[3] = {high, low, '\0'};
    return static_cast<uint8_t>(platform::StrToLong32(pair, 16));
}

std::optional<uint64_t> MemoryFileLength(const std::string& path) {
    File f = OpenForReading(path);
    if (!f || fseeko(f.get(), 0, SEEK_END) != 0)
        return std::nullopt;
    off_t length = ftello(f.get());
    if (length < 0)
        return std::nullopt;
    return static_cast<uint64_t>(length);
}

bool LoadMemoryFile(const std::string& path, bool hex, std::size_t count, std::vector<uint8_t>& data) {
    File f = OpenForReading(path);
    if (!f)
        return false;
    data.assign(count, 0);
    if (count == 0)
        return true;
    if (!hex)
        return std::fread(data.data(), 1, count, f.get()) == count;
    std::string text(2 * count, '\0');
    if (std::fread(text.data(), 1, text.size(), f.get()) != text.size())
        return false;
    for (std::size_t i = 0; i < count; ++i)
        data[i] = HexPairValue(text[2 * i], text[2 * i + 1]);
    return true;
}

bool CanSaveMemoryFile(const std::string& path) {
    int error = 0;
    return platform::CanReplaceFile(path, error);
}

bool SaveMemoryFile(const std::string& path, bool hex, const uint8_t* data, std::size_t n) {
    const std::string text = hex ? HexText(data, n) : std::string();
    const std::string_view bytes =
        hex ? std::string_view(text) : std::string_view(reinterpret_cast<const char*>(data), n);
    int error = 0;
    return platform::ReplaceFile(path, bytes, error) == platform::ReplaceResult::Ok;
}
