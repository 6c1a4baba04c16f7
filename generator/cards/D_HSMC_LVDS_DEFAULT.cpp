// Generic LVDS card on HSMC: names follow the connector's layout.

#include "cards/CardRow.h"
#include "cards/CardTables.h"
#include "cards/HsmcCardPins.h"
#include "platform/Text.h"

using platform::Format;

namespace {

struct Standards {
    uint8_t xcvr;
    uint8_t lvds;
    uint8_t singleEnded;
};

constexpr HsmcLaneNames kPlainLanes = {"TX_p[%d]", "RX_p[%d]", nullptr, nullptr};
constexpr HsmcLaneNames kGxbLanes = {"GXB_TX_p[%d]", "GXB_RX_p[%d]", nullptr, nullptr};
constexpr const char* kGxbPairLegs[4] = {"TX_p[%d]", "RX_p[%d]", "TX_n[%d]", "RX_n[%d]"};
constexpr const char* kGxbClockPair1[4] = {"OUT_p1", "CLKIN_p1", "OUT_n1", "CLKIN_n1"};
constexpr const char* kGxbClockPair2[4] = {"CLKOUT_p2", "CLKIN_p2", "CLKOUT_n2", "CLKIN_n2"};

uint8_t LegDirection(int leg) {
    return leg % 2 == 0 ? DIRECTION_OUTPUT : DIRECTION_INPUT;
}

// Every main board but 8 and 12: the p half of each lane, LVDS pair and clock pair only.
TPin* PlainPin(int position, const Standards& s) {
    const HsmcSlot slot = HsmcSlotAt(position);
    switch (slot.role) {
    case HsmcRole::Lane:
        return NewHsmcLanePin(slot, kPlainLanes, s.xcvr, position);
    case HsmcRole::I2cData:
        return NewHsmcPin("SDA", DIRECTION_INOUT, s.singleEnded, position);
    case HsmcRole::I2cClock:
        return NewHsmcPin("SCL", DIRECTION_OUTPUT, s.singleEnded, position);
    case HsmcRole::ClockOut0:
        return NewHsmcPin("CLKOUT0", DIRECTION_OUTPUT, s.singleEnded, position);
    case HsmcRole::ClockIn0:
        return NewHsmcPin("CLKIN0", DIRECTION_INPUT, s.singleEnded, position);
    case HsmcRole::Single:
        return NewHsmcPin(Format("D[%d]", slot.index), DIRECTION_INOUT, s.singleEnded, position);
    case HsmcRole::Pair:
        if (slot.leg == 0)
            return NewHsmcPin(Format("TX_D_p[%d]", slot.index), DIRECTION_OUTPUT, s.lvds, position);
        if (slot.leg == 1)
            return NewHsmcPin(Format("RX_D_p[%d]", slot.index), DIRECTION_INPUT, s.lvds, position);
        return nullptr;
    case HsmcRole::ClockPair1:
    case HsmcRole::ClockPair2:
        if (slot.leg == 0)
            return NewHsmcPin(Format("CLKOUT_p%d", slot.index), DIRECTION_OUTPUT, s.lvds, position);
        if (slot.leg == 1)
            return NewHsmcPin(Format("CLKIN_p%d", slot.index), DIRECTION_INPUT, s.lvds, position);
        return nullptr;
    default:
        return nullptr;
    }
}

// Main boards 8 and 12: transceiver lanes named GXB_, the pairs as single-ended inout pins.
TPin* GxbPin(int position, const Standards& s) {
    const HsmcSlot slot = HsmcSlotAt(position);
    switch (slot.role) {
    case HsmcRole::Lane:
        return NewHsmcLanePin(slot, kGxbLanes, s.xcvr, position);
    case HsmcRole::I2cData:
        return NewHsmcPin("SDA", DIRECTION_INOUT, s.singleEnded, position);
    case HsmcRole::I2cClock:
        return NewHsmcPin("SCL", DIRECTION_OUTPUT, s.singleEnded, position);
    case HsmcRole::ClockOut0:
        return NewHsmcPin("OUT0", DIRECTION_OUTPUT, s.singleEnded, position);
    case HsmcRole::ClockIn0:
        return NewHsmcPin("CLKIN0", DIRECTION_INPUT, s.singleEnded, position);
    case HsmcRole::Single:
        return NewHsmcPin(Format("D[%d]", slot.index), DIRECTION_INOUT, s.singleEnded, position);
    case HsmcRole::Pair:
        return NewHsmcPin(Format(kGxbPairLegs[slot.leg], slot.index), DIRECTION_INOUT, s.singleEnded,
                          position);
    case HsmcRole::ClockPair1:
        return NewHsmcPin(kGxbClockPair1[slot.leg], LegDirection(slot.leg), s.singleEnded, position);
    case HsmcRole::ClockPair2:
        return NewHsmcPin(kGxbClockPair2[slot.leg], LegDirection(slot.leg), s.singleEnded, position);
    default:
        return nullptr;
    }
}

} // namespace

void FillCardHsmcLvdsDefaultPins(TConnector* conn, bool transceiverRows, uint8_t xcvrStandard,
                                 uint8_t lvdsStandard, uint8_t singleEndedStandard) {
    const Standards s{xcvrStandard, lvdsStandard, singleEndedStandard};
    AppendSlots(conn, kHsmcPositions,
                [&](int position) { return transceiverRows ? GxbPin(position, s) : PlainPin(position, s); });
}
