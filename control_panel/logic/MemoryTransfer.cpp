#include "MemoryTransfer.h"

#include "control_panel/link/BoardLink.h"
#include "control_panel/link/ProgrammerUtil.h"

#include <algorithm>

uint32_t TransferStepSize(uint32_t length) {
    uint32_t step = length / 20;
    return step == 0 ? 1 : step;
}

int TransferPercent(uint32_t done, uint32_t length) {
    return length == 0 ? 0 : static_cast<int>(uint64_t{done} * 100 / length);
}

bool RunMemoryTransfer(CBoardLink& link, TransferDirection direction, uint8_t memoryId, uint32_t address,
                       uint8_t* buffer, uint32_t length, IMemoryProgress& progress) {
    const uint32_t step = TransferStepSize(length);
    uint32_t done = 0;
    while (done < length) {
        uint32_t count = std::min(step, length - done);
        bool ok = direction == TransferDirection::Write
                      ? link.WriteMemory(memoryId, address, buffer + done, count)
                      : link.ReadMemory(memoryId, address, buffer + done, count);
        done += count;
        progress.SetPercentage(TransferPercent(done, length));
        PumpMessages(1);
        if (progress.IsAborted() || !ok)
            return false;
        address += count;
    }
    return true;
}
