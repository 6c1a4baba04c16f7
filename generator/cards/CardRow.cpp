#include "CardRow.h"

#include <vector>

void AppendCardPins(TConnector* conn, std::span<const CardPin> rows, int slotCount, uint8_t ioStandard) {
    std::vector<const CardPin*> byPosition(static_cast<std::size_t>(slotCount) + 1, nullptr);
    for (const CardPin& row : rows)
        byPosition.at(static_cast<std::size_t>(row.position)) = &row;
    AppendSlots(conn, slotCount, [&](int position) -> TPin* {
        const CardPin* row = byPosition[static_cast<std::size_t>(position)];
        return row ? new TPin(row->name, row->direction, ioStandard, position, 0) : nullptr;
    });
}
