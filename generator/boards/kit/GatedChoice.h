#pragma once
// A list of fixed choices (a clock frequency, say) that the form enables only while an
// interface it serves is in use. Disabled, it shows its "off" item, and that is what the
// record keeps: a loaded record is generated as the form shows it, so no clock is set up
// for an interface that is not there.

#include "settings/SettingsRecord.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace kit {

struct GatedChoice {
    std::size_t offset;
    bool enabled;
    int32_t whenDisabled = 0;
    uint8_t width = 4; // 1 or 4 bytes (signed 32-bit)
};

inline void ShowGated(const GatedChoice& c, SettingsRecord& shown) {
    if (c.enabled)
        return;
    if (c.width == 1)
        shown.SetU8(c.offset, static_cast<uint8_t>(c.whenDisabled));
    else
        shown.SetI32(c.offset, c.whenDisabled);
}

inline void ShowGated(std::initializer_list<GatedChoice> choices, SettingsRecord& shown) {
    for (const GatedChoice& c : choices)
        ShowGated(c, shown);
}

} // namespace kit
