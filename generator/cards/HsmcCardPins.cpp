#include "HsmcCardPins.h"

#include "CardRow.h"
#include "platform/Text.h"

#include <array>

namespace {

void Append(TConnector* conn, std::span<const HsmcPin> rows, HsmcArgs args, HsmcLaneNames* lanes) {
    std::array<const HsmcPin*, kHsmcPositions + 1> byPosition{};
    for (const HsmcPin& row : rows)
        byPosition.at(static_cast<std::size_t>(row.position)) = &row;
    AppendSlots(conn, kHsmcPositions, [&](int position) -> TPin* {
        const HsmcPin* row = byPosition[static_cast<std::size_t>(position)];
        if (!row) {
            const HsmcSlot slot = HsmcSlotAt(position);
            return lanes && slot.role == HsmcRole::Lane ? NewHsmcLanePin(slot, *lanes, args.xcvr, position)
                                                        : nullptr;
        }
        uint8_t standard = row->standard;
        if (standard == kArgIo)
            standard = args.io;
        else if (standard == kArgXcvr)
            standard = args.xcvr;
        return new TPin(row->name, row->direction, standard, position, row->flag);
    });
}

} // namespace

void AppendHsmcPins(TConnector* conn, std::span<const HsmcPin> rows, HsmcArgs args) {
    Append(conn, rows, args, nullptr);
}

void AppendHsmcPins(TConnector* conn, std::span<const HsmcPin> rows, HsmcArgs args, HsmcLaneNames& lanes) {
    Append(conn, rows, args, &lanes);
}

HsmcSlot HsmcSlotAt(int position) {
    const int p = position;
    if (p >= 1 && p <= 32)
        return {HsmcRole::Lane, 7 - (p - 1) / 4, (p - 1) % 4};
    if (p == 33)
        return {HsmcRole::I2cData, 0, 0};
    if (p == 34)
        return {HsmcRole::I2cClock, 0, 0};
    if (p == 39)
        return {HsmcRole::ClockOut0, 0, 0};
    if (p == 40)
        return {HsmcRole::ClockIn0, 0, 0};
    if (p >= 41 && p <= 44)
        return {HsmcRole::Single, p - 41, 0};
    if (p >= 47 && p <= 94 && (p - 47) % 6 < 4)
        return {HsmcRole::Pair, (p - 47) / 6, (p - 47) % 6};
    if (p >= 95 && p <= 98)
        return {HsmcRole::ClockPair1, 1, p - 95};
    if (p >= 101 && p <= 152 && (p - 101) % 6 < 4)
        return {HsmcRole::Pair, 8 + (p - 101) / 6, (p - 101) % 6};
    if (p >= 155 && p <= 158)
        return {HsmcRole::ClockPair2, 2, p - 155};
    if (p == 160)
        return {HsmcRole::Present, 0, 0};
    return {HsmcRole::None, 0, 0};
}

TPin* NewHsmcPin(const std::string& name, uint8_t direction, uint8_t ioStandard, int position) {
    return new TPin(name.c_str(), direction, ioStandard, position, 0);
}

TPin* NewHsmcLanePin(const HsmcSlot& slot, HsmcLaneNames& lanes, uint8_t xcvrStandard, int position) {
    const char* name = lanes[slot.leg];
    if (!name)
        return nullptr;
    const uint8_t direction = slot.leg % 2 == 0 ? DIRECTION_OUTPUT : DIRECTION_INPUT;
    return NewHsmcPin(platform::Format(name, slot.index), direction, xcvrStandard, position);
}
