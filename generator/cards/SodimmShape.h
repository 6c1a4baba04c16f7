#pragma once
// The common shape of the SO-DIMM module tables: each socket contact carries one signal
// of a role, and the module's variant decides per role the direction, the I/O standard,
// the flag byte and whether the role is fitted at all.

#include "model/Connector.h"

#include <cstdint>
#include <span>

enum class SodimmRole : uint8_t {
    Data,    // DQ
    Mask,    // DM
    Strobe,  // DQS
    StrobeN, // DQS_n, fitted only with differential strobes
    Clock,   // CK, CK_n
    Command, // address, bank, RAS/CAS/WE, CS, CKE, ODT
    Reset,   // RESET_n
    Event,   // EVENT_n
    Sda,     // presence-detect data
    Scl,     // presence-detect clock
    Sa,      // presence-detect address select
    Count
};

struct SodimmPin {
    int position; // socket contact, 1-based
    const char* name;
    SodimmRole role;
};

struct SodimmRoleSpec {
    bool fitted;
    uint8_t direction;
    uint8_t ioStandard;
    uint8_t flag;
    bool lowerCase; // the name is written in lower case
};

using SodimmRoleSpecs = SodimmRoleSpec[static_cast<int>(SodimmRole::Count)];

// Appends slots 1..slotCount. SDA and SCL get clock flag 2 and period 1: the
// constraint writer makes a clock only of flag 1, so they are never clocks.
void AppendSodimmPins(TConnector* conn, std::span<const SodimmPin> rows, int slotCount,
                      const SodimmRoleSpecs& specs);
