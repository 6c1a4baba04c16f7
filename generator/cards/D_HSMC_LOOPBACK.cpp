// HSMC loopback card: each signal position wired to its neighbour, pins named in L_/R_ pairs.

#include "cards/CardRow.h"
#include "cards/CardTables.h"
#include "cards/HsmcCardPins.h"
#include "platform/Text.h"

using platform::Format;

namespace {

constexpr HsmcLaneNames kLanes = {"L_P[%d]", "R_P[%d]", nullptr, nullptr};
constexpr const char* kSingles[4] = {"L_D[0]", "R_D[0]", "L_D[1]", "R_D[1]"};
constexpr const char* kPairLegs[4] = {"L_D_P[%d]", "R_D_P[%d]", "L_D_N[%d]", "R_D_N[%d]"};
constexpr const char* kClockLegs[4] = {"L_CLK_P%d", "R_CLK_P%d", "L_CLK_N%d", "R_CLK_N%d"};

TPin* LoopbackPin(int position, bool withTransceivers, uint8_t xcvrStandard) {
    const HsmcSlot slot = HsmcSlotAt(position);
    switch (slot.role) {
    case HsmcRole::Lane:
        return withTransceivers ? NewHsmcLanePin(slot, kLanes, xcvrStandard, position) : nullptr;
    case HsmcRole::ClockOut0:
        return NewHsmcPin("L_CLK0", DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::ClockIn0:
        return NewHsmcPin("R_CLK0", DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::Single:
        return NewHsmcPin(kSingles[slot.index], DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::Pair:
        return NewHsmcPin(Format(kPairLegs[slot.leg], slot.index), DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::ClockPair1:
    case HsmcRole::ClockPair2:
        return NewHsmcPin(Format(kClockLegs[slot.leg], slot.index), DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::Present:
        return NewHsmcPin("PSNTn", DIRECTION_INPUT, IOSTD_2V5, position);
    default: // the card has no I2C pins
        return nullptr;
    }
}

} // namespace

void FillCardHsmcLoopbackPins(TConnector* conn, bool withTransceivers, uint8_t xcvrStandard) {
    AppendSlots(conn, kHsmcPositions,
                [&](int position) { return LoopbackPin(position, withTransceivers, xcvrStandard); });
}
