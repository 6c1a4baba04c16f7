// HSMC debug card: the signal positions numbered as data lines, the upper half driving LEDs.

#include "cards/CardRow.h"
#include "cards/CardTables.h"
#include "cards/HsmcCardPins.h"
#include "platform/Text.h"

using platform::Format;

namespace {

constexpr int kMainBoardHarlin = 8;
constexpr int kMainBoardIsvar = 9;

TPin* DebugPin(int position, int mainBoardId) {
    const HsmcSlot slot = HsmcSlotAt(position);
    switch (slot.role) {
    case HsmcRole::ClockOut0:
        return NewHsmcPin("HSM_CLKCOUT0", DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::ClockIn0:
        return NewHsmcPin("HSM_CLKIN0", DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::Single:
        return NewHsmcPin(Format("HSM_D[%d]", slot.index), DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::Pair:
        if (slot.index < 8)
            return NewHsmcPin(Format("HSM_D[%d]", 4 + 4 * slot.index + slot.leg), DIRECTION_INOUT, IOSTD_2V5,
                              position);
        return NewHsmcPin(Format("HSM_D_LED[%d]", 40 + 4 * (slot.index - 8) + slot.leg), DIRECTION_INOUT,
                          IOSTD_2V5, position);
    case HsmcRole::ClockPair1:
        // The numbers 38 and 39 of the clock pair's n legs stay unused.
        if (slot.leg == 0)
            return NewHsmcPin("HSM_D[36]", DIRECTION_INOUT, IOSTD_2V5, position);
        if (slot.leg == 1) {
            if (mainBoardId == kMainBoardHarlin || mainBoardId == kMainBoardIsvar)
                return NewHsmcPin("HSM_D_IN[37]", DIRECTION_INPUT, IOSTD_2V5, position);
            return NewHsmcPin("HSM_D[37]", DIRECTION_INOUT, IOSTD_2V5, position);
        }
        return nullptr;
    case HsmcRole::ClockPair2:
        return NewHsmcPin(Format("HSM_D_LED[%d]", 76 + slot.leg), DIRECTION_INOUT, IOSTD_2V5, position);
    case HsmcRole::Present:
        return NewHsmcPin("HSM_PSNTn", DIRECTION_INPUT, IOSTD_2V5, position);
    default: // no transceiver or I2C pins
        return nullptr;
    }
}

} // namespace

void FillCardHsmcDebugPins(TConnector* conn, int mainBoardId) {
    AppendSlots(conn, kHsmcPositions, [&](int position) { return DebugPin(position, mainBoardId); });
}
