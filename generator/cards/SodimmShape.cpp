#include "SodimmShape.h"

#include "cards/CardRow.h"
#include "platform/Text.h"

#include <string>
#include <vector>

void AppendSodimmPins(TConnector* conn, std::span<const SodimmPin> rows, int slotCount,
                      const SodimmRoleSpecs& specs) {
    std::vector<const SodimmPin*> byPosition(static_cast<std::size_t>(slotCount) + 1, nullptr);
    for (const SodimmPin& row : rows)
        byPosition.at(static_cast<std::size_t>(row.position)) = &row;
    AppendSlots(conn, slotCount, [&](int position) -> TPin* {
        const SodimmPin* row = byPosition[static_cast<std::size_t>(position)];
        if (!row)
            return nullptr;
        const SodimmRoleSpec& spec = specs[static_cast<int>(row->role)];
        if (!spec.fitted)
            return nullptr;
        const std::string name = spec.lowerCase ? platform::ToLower(row->name) : std::string(row->name);
        TPin* pin = new TPin(name.c_str(), spec.direction, spec.ioStandard, position, spec.flag);
        if (row->role == SodimmRole::Sda || row->role == SodimmRole::Scl) {
            pin->SetIsClock(2);
            pin->SetPeriod(1);
        }
        return pin;
    });
}
