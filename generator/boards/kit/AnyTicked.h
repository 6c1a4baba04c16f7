#pragma once
// Whether any of a record's check-box bytes is set: the notes after a Generate name a
// group of interfaces once when one of them is ticked.

#include "settings/SettingsRecord.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

namespace kit {

inline bool AnyTicked(const SettingsRecord& r, std::initializer_list<std::size_t> flags) {
    return std::any_of(flags.begin(), flags.end(), [&r](std::size_t f) { return r.U8(f) != 0; });
}

} // namespace kit
