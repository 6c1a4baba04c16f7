#pragma once
// Text helpers shared by both programs: printf-style formatting that always uses
// the C locale, path pieces, and the runtime conversions the programs rely on.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// printf into a std::string, always with the C locale's decimal point.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Replaces the text after the last "." of the file-name part, or appends the
// extension when the name has no dot: ("/P/my.proj.qpf", ".qsf") -> "/P/my.proj.qsf".
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// Folder part of a path with its trailing "/" ("" when the path has no folder).
std::string ExtractFilePath(const std::string& path);
// File-name part of a path ("/P/blink.qpf" -> "blink.qpf").
std::string ExtractFileName(const std::string& path);
// File name without folder and extension ("/P/my.proj.qpf" -> "my.proj").
std::string ExtractFileBaseName(const std::string& path);
// Extension of the file-name part with its dot, or "".
std::string ExtractFileExt(const std::string& path);
// The program's .INI file: its path with the extension changed to ".INI".
std::string IniPathOf(const std::string& programPath);

bool EqualsNoCase(std::string_view a, std::string_view b);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

// strtol(text, nullptr, base) as a runtime with a 32-bit long gives it: values
// beyond the 32-bit range clamp to 0x7FFFFFFF or -0x80000000.
int32_t StrToLong32(const char* text, int base);

// The length of the longest start of text that holds at most maxBytes bytes and
// ends on a character boundary: texts are UTF-8, a sequence is never cut in half.
std::size_t CharBoundaryPrefix(std::string_view text, std::size_t maxBytes);

// A text as it comes back from a text control: decoded from the locale's encoding
// (UTF-8) and encoded again. Each byte that starts no valid sequence becomes U+FFFD,
// and a leading byte-order mark is dropped, as Qt's decoder does.
std::string ReencodeUtf8(std::string_view text);

// Copies text into a fixed field of size bytes, cut to size - 1 bytes at a character
// boundary, always with its terminator; bytes after the terminator are left as they were.
void CopyBounded(char* field, std::size_t size, std::string_view text);
// Reads a zero-terminated text from a field, never past size bytes.
std::string ReadBounded(const char* field, std::size_t size);

} // namespace platform
