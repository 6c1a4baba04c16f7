#pragma once
// Memory files: raw bytes, or .HEX text of exactly two hexadecimal characters per byte
// (upper case when written) with nothing between, before or after them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// True when the path's extension starts with ".HEX" in any case (".hex", ".HEXA").
bool IsHexFile(const std::string& path);

// "%02X" of every byte.
std::string HexText(const uint8_t* data, std::size_t n);
// One byte from a pair of characters, read as strtol base 16 reads the pair alone:
// blanks first, a sign and "0x" allowed, no digit gives 0 ("-1" gives 0xFF).
uint8_t HexPairValue(char high, char low);

// The file's length in bytes, or nothing when it is no regular file or cannot be opened.
std::optional<uint64_t> MemoryFileLength(const std::string& path);
// count bytes from the start of the file: raw, or from 2 x count characters of .HEX
// text. False when the file is no regular file, cannot be opened or is shorter.
bool LoadMemoryFile(const std::string& path, bool hex, std::size_t count, std::vector<uint8_t>& data);
// Whether a dump can be written to path: false for what is no regular file (a pipe, a
// device, a folder), a file that may not be written, or a folder that takes no file.
bool CanSaveMemoryFile(const std::string& path);
// Writes the bytes, raw or as .HEX text, as every file is written (platform::ReplaceFile):
// on failure false, with the file at path as it was.
bool SaveMemoryFile(const std::string& path, bool hex, const uint8_t* data, std::size_t n);
