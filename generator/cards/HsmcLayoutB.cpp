#include "HsmcLayoutB.h"

namespace hsmcb {

bool PairRowAt(int position, int& row, int& slot) {
    const HsmcSlot s = HsmcSlotAt(position);
    if (s.role != HsmcRole::Pair)
        return false;
    row = s.index;
    slot = s.leg;
    return true;
}

TPin* MakeSetPin(std::initializer_list<CardPinSet> sets, int position) {
    for (const CardPinSet& set : sets)
        for (const CardPin& row : set.rows)
            if (row.position == position)
                return new TPin(row.name, row.direction, set.ioStandard, position, 0);
    return nullptr;
}

void AppendHsmcPinSets(TConnector* conn, std::initializer_list<CardPinSet> sets) {
    AppendSlots(conn, kHsmcSlots, [&](int position) { return MakeSetPin(sets, position); });
}

} // namespace hsmcb
