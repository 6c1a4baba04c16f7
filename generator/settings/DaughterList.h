#pragma once
// The daughter boards offered on one connector, item k of its combo box being
// entry k of the list; entry 0 is always 0, "None".

#include <array>
#include <cstdint>

using DaughterIdList = std::array<uint8_t, 256>;

// Fills ids from the catalogue for a connector of type connectorType and returns
// the number of entries. voltage is the I/O-voltage class of an HSMC connector.
int32_t BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltage,
                          DaughterIdList& ids);
