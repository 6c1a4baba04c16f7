#pragma once
// Whether any of a record's check-box bytes is set: a group of interfaces (the SFP+
// cages, the SATA ports, the memory sockets) counts as used when one of them is ticked.

#include "settings/SettingsRecord.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace kit {

inline bool AnyTicked(const SettingsRecord& r, std::span<const std::size_t> flags) {
    return std::any_of(flags.begin(), flags.end(), [&r](std::size_t f) { return r.U8(f) != 0; });
}

// A group named in place: AnyTicked(r, {C::bDdr3A, C::bDdr3B}).
inline bool AnyTicked(const SettingsRecord& r, std::initializer_list<std::size_t> flags) {
    return AnyTicked(r, std::span<const std::size_t>(flags.begin(), flags.size()));
}

} // namespace kit
