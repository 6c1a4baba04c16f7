#pragma once
// What the tests of the first catalogue boards share: the defaults a new record
// holds, and the cards their Kappel lists offer.

#include "BoardModelQueries.h"
#include "model/DaughterId.h"

#include <cstdint>
#include <string>
#include <vector>

namespace firstboards {

// The defaults a new record holds: board id at 0, the size at 4,
// the name at 8, then `flags` flag bytes of 1 from offset 136, the rest zero.
inline std::vector<uint8_t> NewRecordDefaults(uint8_t id, std::size_t size, const std::string& name,
                                              int flags) {
    std::vector<uint8_t> bytes = RecordHead(id, size, name);
    for (int i = 0; i < flags; ++i)
        bytes[136 + static_cast<std::size_t>(i)] = 1;
    return bytes;
}

inline std::string AsText(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The items of a Kappel connector's card list.
inline std::vector<std::string> KappelListItems() {
    return {"None",
            CardName(DAUGHTER_KAPPEL_DEFAULT),
            CardName(DAUGHTER_DVI),
            CardName(DAUGHTER_NET),
            CardName(DAUGHTER_PELLUM),
            CardName(DAUGHTER_HDMI),
            CardName(DAUGHTER_KAPPEL_LOOPBACK)};
}

} // namespace firstboards
