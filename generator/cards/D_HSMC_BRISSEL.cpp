// HSMC-to-GPIO adaptor: two 2x20 GPIO headers, GPIO1 at positions 47-98 and GPIO0
// 60 positions higher.

#include "CardTables.h"
#include "HsmcLayoutB.h"

#include <string>

using namespace hsmcb;

namespace {

constexpr uint8_t kBoardElbrin = 5;

constexpr int kGpioPinCount = 36;
constexpr int kGpio0Offset = 60;

// Position of GPIO1_k for k = 0, 1, ... 35.
// clang-format off
constexpr int kGpio1Positions[kGpioPinCount] = {
    98, 92, 96, 90, 91, 86, 89, 84, // 0-7
    85, 80, 83, 78, 79, 74, 77, 72, // 8-15
    97, 68, 95, 66, 73, 62, 71, 60, // 16-23
    67, 56, 65, 54, 61, 50, 59, 48, // 24-31
    55, 49, 53, 47,                 // 32-35
};
// clang-format on

// On board 5 these adaptor pins are inputs; only position and direction are read.
// clang-format off
constexpr CardPin kElbrinInputPins[] = {
    {96, "GPIO1_2", kIn},
    {98, "GPIO1_0", kIn},
    {156, "GPIO0_2", kIn},
    {158, "GPIO0_0", kIn},
};
// clang-format on

TPin* AdaptorPinAt(int position, uint8_t ioStandard) {
    for (int k = 0; k < kGpioPinCount; ++k) {
        if (kGpio1Positions[k] == position)
            return new TPin(("GPIO1_" + std::to_string(k)).c_str(), kIo, ioStandard, position, 0);
        if (kGpio1Positions[k] + kGpio0Offset == position)
            return new TPin(("GPIO0_" + std::to_string(k)).c_str(), kIo, ioStandard, position, 0);
    }
    return nullptr;
}

} // namespace

void FillCardBrisselHsmcPins(TConnector* conn, uint8_t ioStandard, uint8_t mainBoardId) {
    AppendSlots(conn, kHsmcSlots, [&](int position) { return AdaptorPinAt(position, ioStandard); });
    if (mainBoardId != kBoardElbrin)
        return;
    for (const CardPin& row : kElbrinInputPins)
        if (TPin* pin = conn->GetPin(row.position - 1))
            pin->SetDirection(row.direction);
}
