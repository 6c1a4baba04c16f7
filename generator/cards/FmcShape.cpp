#include "FmcShape.h"

#include "CardRow.h"

#include <cstring>

namespace {

bool IsLowPinCountRow(int position) {
    int rowIndex = (position - 1) / 40;
    return rowIndex == 2 || rowIndex == 3 || rowIndex == 6 || rowIndex == 7;
}

bool RowKFiltered(int position) {
    constexpr int first = FmcPosition('K', 4);
    constexpr int last = FmcPosition('K', 38);
    return position >= first && position <= last && (position - first) % 3 != 2;
}

template <class Keep> void AppendFmcSlots(TConnector* conn, const FmcSlots& slots, Keep keep) {
    AppendSlots(conn, FMC_HPC_PIN_NUM, [&](int position) -> TPin* {
        const FmcRow* row = slots[static_cast<std::size_t>(position - 1)];
        if (!row)
            return nullptr;
        uint8_t ioStandard = row->ioStandard;
        if (!keep(*row, position, ioStandard))
            return nullptr;
        return new TPin(row->name, row->direction, ioStandard, position, 0);
    });
}

} // namespace

FmcSlots FmcSlotsOf(std::initializer_list<std::span<const FmcRow>> parts) {
    FmcSlots slots{};
    for (std::span<const FmcRow> part : parts)
        for (const FmcRow& row : part)
            slots[static_cast<std::size_t>(FmcPosition(row.row, row.column) - 1)] = &row;
    return slots;
}

void AppendFmcStandardPins(TConnector* conn, const FmcSlots& slots, const FmcStandardFill& fill) {
    AppendFmcSlots(conn, slots, [&](const FmcRow& row, int position, uint8_t& ioStandard) {
        if (!fill.withTransceivers && (row.flags & FMC_FLAG_XCVR))
            return false;
        if (fill.lowPinCount && !IsLowPinCountRow(position))
            return false;
        if (fill.rowKFilter && RowKFiltered(position))
            return false;
        if (row.flags & FMC_FLAG_USER_IO)
            ioStandard = fill.ioStandard;
        return !(ioStandard == IOSTD_LVDS && (row.flags & FMC_FLAG_SECOND_LEG));
    });
}

void AppendFmcSuffixPins(TConnector* conn, const FmcSlots& slots, char secondLegSuffix) {
    AppendFmcSlots(conn, slots, [&](const FmcRow& row, int, uint8_t& ioStandard) {
        if (row.flags & FMC_FLAG_SECOND_LEG)
            return false;
        std::size_t length = std::strlen(row.name);
        return !(ioStandard == IOSTD_LVDS && length > 0 && row.name[length - 1] == secondLegSuffix);
    });
}

void AppendFmcFlag40Pins(TConnector* conn, const FmcSlots& slots) {
    AppendFmcSlots(conn, slots, [&](const FmcRow& row, int, uint8_t& ioStandard) {
        if (row.flags & FMC_FLAG_SKIP)
            return false;
        return !(ioStandard == IOSTD_LVDS && (row.flags & FMC_FLAG_SECOND_LEG));
    });
}
