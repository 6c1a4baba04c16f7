#pragma once
// A profile (.INI) file, read and edited the way the Windows profile API does it:
// sections "[name]", lines "key=value", names compared without regard to case. An
// edit changes one line and keeps every other line as it stands (other sections and
// keys, comments, blank lines, each line's own end, CR LF or LF). Every Read sees
// the file as it is on disk now: nothing is cached between reads.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class ProfileFile {
public:
    explicit ProfileFile(std::string text = std::string()) : text_(std::move(text)) {}

    // The file's text; nothing when it is missing, no regular file, or unreadable.
    static std::optional<ProfileFile> Read(const std::string& path);
    // As Read, but a missing file reads as an empty one.
    static std::optional<ProfileFile> ReadOrEmpty(const std::string& path);

    // The value of the first key of that name in the first section of that name,
    // without the blanks or the quotes around it.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // The value as GetPrivateProfileInt reads it; fallback when the key is missing or empty.
    int32_t Int(std::string_view section, std::string_view key, int32_t fallback) const;

    // Sets the key's value: its line is rewritten in place; a missing key is added
    // after the section's last line that is not blank, a missing section at the end.
    // New lines end like the file's first line (LF in a file without line ends).
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the file with the text (through a temporary file, see FileWrite.h).
    bool Write(const std::string& path) const;

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// The integer GetPrivateProfileInt makes of a value: blanks, an optional sign, then
// the decimal digits up to the first other character (none: 0), in 32-bit arithmetic.
int32_t ProfileInt(std::string_view value);

} // namespace platform
