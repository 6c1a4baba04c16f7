// The plain card of the 2x6 Moxen header: its eight signal positions as GPIO[0] to GPIO[7].
#include "cards/CardRow.h"
#include "cards/CardTables.h"

#include "platform/Text.h"

namespace {

constexpr int kSlots = 8;

} // namespace

void FillCardMoxenDefaultPins(TConnector* conn) {
    AppendSlots(conn, kSlots, [](int position) {
        return new TPin(platform::Format("GPIO[%d]", position - 1).c_str(), DIRECTION_INOUT, IOSTD_3V3_LVTTL,
                        position, 0);
    });
}
