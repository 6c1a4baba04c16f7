#include "Text.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <vector>

namespace platform {

namespace {

locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Makes the calling thread use the C locale for the lifetime of the guard.
class CLocaleGuard {
public:
    CLocaleGuard() : previous_(uselocale(CLocale())) {}
    ~CLocaleGuard() { uselocale(previous_); }
    CLocaleGuard(const CLocaleGuard&) = delete;
    CLocaleGuard& operator=(const CLocaleGuard&) = delete;

private:
    locale_t previous_;
};

std::size_t FileNameStart(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

std::string Format(const char* fmt, ...) {
    CLocaleGuard guard;
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), fmt, args);
        out.assign(buffer.data(), static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    std::size_t start = FileNameStart(path);
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < start)
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::string ExtractFilePath(const std::string& path) {
    return path.substr(0, FileNameStart(path));
}

std::string ExtractFileName(const std::string& path) {
    return path.substr(FileNameStart(path));
}

std::string ExtractFileBaseName(const std::string& path) {
    std::string name = ExtractFileName(path);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtractFileExt(const std::string& path) {
    std::string name = ExtractFileName(path);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string IniPathOf(const std::string& programPath) {
    return ChangeFileExt(programPath, ".INI");
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z')
            x = static_cast<unsigned char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<unsigned char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::string ToUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

int32_t StrToLong32(const char* text, int base) {
    CLocaleGuard guard;
    errno = 0;
    long long value = std::strtoll(text, nullptr, base);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

std::size_t CharBoundaryPrefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text.size();
    // Back off over continuation bytes (10xxxxxx) to the byte that starts the cut
    // character; a sequence has at most three, more is no UTF-8 and is cut where it is.
    std::size_t n = maxBytes;
    while (n > 0 && maxBytes - n < 3 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    return (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80 ? maxBytes : n;
}

namespace {

// The length of the valid UTF-8 sequence at text[i], or 0: no overlong forms, no
// surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i) {
    const auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80; // the second byte's range
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

std::string ReencodeUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (i < text.size()) {
        const std::size_t length = Utf8SequenceAt(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

void CopyBounded(char* field, std::size_t size, std::string_view text) {
    if (size == 0)
        return;
    std::size_t n = CharBoundaryPrefix(text, size - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

std::string ReadBounded(const char* field, std::size_t size) {
    return std::string(field, strnlen(field, size));
}

} // namespace platform
