#pragma once
// A board's settings record as the board-form kit handles it: the .cfg file's bytes,
// of the size the board gives. The board's record type (TAVRIN_CONFIG, ...) names
// the offsets; this carries the bytes, so one form kit serves every board.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class SettingsRecord {
public:
    explicit SettingsRecord(std::size_t size = 0) : bytes_(size, 0) {}

    void Clear() { std::fill(bytes_.begin(), bytes_.end(), uint8_t{0}); }

    uint8_t U8(std::size_t offset) const { return bytes_.at(offset); }
    void SetU8(std::size_t offset, uint8_t value) { bytes_.at(offset) = value; }
    int32_t I32(std::size_t offset) const;
    void SetI32(std::size_t offset, int32_t value);
    // A zero-terminated text field of width bytes, read no further than width - 1 bytes.
    std::string Text(std::size_t offset, std::size_t width = 128) const;
    // Bounded copy that always leaves the terminator, cut at a character boundary.
    void SetText(std::size_t offset, std::size_t width, std::string_view text);
    void SetText(std::size_t offset, std::string_view text) { SetText(offset, 128, text); }

    uint8_t* data() { return bytes_.data(); }
    const uint8_t* data() const { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }

    bool operator==(const SettingsRecord&) const = default;

private:
    std::vector<uint8_t> bytes_;
};
