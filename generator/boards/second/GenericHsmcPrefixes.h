#pragma once
// The generic HSMC cards (HSMC Default, with or without transceivers) name their pins
// after their port when the user gave no prefix ("HSMA_", "HSMB_").

#include "model/DaughterId.h"
#include "settings/SettingsRecord.h"

#include <cstddef>
#include <span>

namespace second {

struct GenericHsmcPrefix {
    std::size_t idOffset;
    std::size_t prefixOffset;
    const char* prefix;
};

inline void ApplyGenericHsmcPrefixes(SettingsRecord& r, std::span<const GenericHsmcPrefix> ports) {
    for (const GenericHsmcPrefix& port : ports) {
        const uint8_t card = r.U8(port.idOffset);
        if (r.Text(port.prefixOffset).empty() &&
            (card == DAUGHTER_HSMC_DEFAULT || card == DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER))
            r.SetText(port.prefixOffset, port.prefix);
    }
}

} // namespace second
