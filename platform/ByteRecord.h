#pragma once
// A settings record is a fixed-size byte image with explicit offsets: what a .cfg
// file holds, byte for byte. Never rely on struct packing for it.

#include "Text.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace platform {

template <std::size_t N> class ByteRecord {
public:
    static constexpr std::size_t kSize = N;

    void Clear() { bytes_.fill(0); }

    uint8_t U8(std::size_t offset) const { return bytes_.at(offset); }
    void SetU8(std::size_t offset, uint8_t value) { bytes_.at(offset) = value; }

    int32_t I32(std::size_t offset) const {
        uint32_t v = 0;
        for (std::size_t i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(bytes_.at(offset + i)) << (8 * i);
        return static_cast<int32_t>(v);
    }
    void SetI32(std::size_t offset, int32_t value) {
        uint32_t v = static_cast<uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i)
            bytes_.at(offset + i) = static_cast<uint8_t>(v >> (8 * i));
    }

    // A zero-terminated text field of width bytes, read no further than width - 1 bytes.
    std::string Text(std::size_t offset, std::size_t width) const {
        CheckField(offset, width);
        return ReadBounded(reinterpret_cast<const char*>(bytes_.data() + offset), width - 1);
    }
    // Bounded copy that always leaves the terminator; bytes after it stay as they were.
    void SetText(std::size_t offset, std::size_t width, std::string_view text) {
        CheckField(offset, width);
        CopyBounded(reinterpret_cast<char*>(bytes_.data() + offset), width, text);
    }

    uint8_t* data() { return bytes_.data(); }
    const uint8_t* data() const { return bytes_.data(); }
    static constexpr std::size_t size() { return N; }

    bool operator==(const ByteRecord&) const = default;

private:
    void CheckField(std::size_t offset, std::size_t width) const { (void)bytes_.at(offset + width - 1); }

    std::array<uint8_t, N> bytes_{};
};

} // namespace platform
