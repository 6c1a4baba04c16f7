#include "SettingsRecord.h"

#include "platform/Text.h"

#include <algorithm>
#include <stdexcept>

int32_t SettingsRecord::I32(std::size_t offset) const {
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(bytes_.at(offset + i)) << (8 * i);
    return static_cast<int32_t>(v);
}

void SettingsRecord::SetI32(std::size_t offset, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes_.at(offset + i) = static_cast<uint8_t>(v >> (8 * i));
}

std::string SettingsRecord::Text(std::size_t offset, std::size_t width) const {
    (void)bytes_.at(offset + width - 1);
    return platform::ReadBounded(reinterpret_cast<const char*>(bytes_.data() + offset), width - 1);
}

void SettingsRecord::SetText(std::size_t offset, std::size_t width, std::string_view text) {
    (void)bytes_.at(offset + width - 1);
    platform::CopyBounded(reinterpret_cast<char*>(bytes_.data() + offset), width, text);
}
