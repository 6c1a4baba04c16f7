#include "HsmcLayoutB.h"

namespace hsmcb {

bool PairRowAt(int position, int& row, int& slot) {
    if (position >= 47 && position <= 94) {
        row = (position - 47) / 6;
        slot = (position - 47) % 6;
    } else if (position >= 101 && position <= 152) {
        row = (position - 101) / 6 + 8;
        slot = (position - 101) % 6;
    } else {
        return false;
    }
    return slot <= 3;
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
