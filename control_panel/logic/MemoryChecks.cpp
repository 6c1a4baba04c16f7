#include "MemoryChecks.h"

#include "platform/Text.h"

#include <cinttypes>

uint32_t ReadHexField(const std::string& text) {
    return static_cast<uint32_t>(platform::StrToLong32(text.c_str(), 16));
}

std::string AddressMessage(uint32_t address, uint32_t size) {
    return platform::Format("Address(%xh) exceeds the memory size(%xh)!", address, size);
}

std::string RangeMessage(uint64_t end, uint32_t size) {
    return platform::Format("Memory address (%" PRIx64 "h) exceeds the memory size(%xh)!", end, size);
}

std::string MemoryBusyText(MemoryAction action, const std::string& name) {
    switch (action) {
    case MemoryAction::RandomWrite:
        return platform::Format("%s Random Write...", name.c_str());
    case MemoryAction::RandomRead:
        return platform::Format("%s Random Read...", name.c_str());
    case MemoryAction::SequentialWrite:
        return platform::Format("%s Sequential Write...", name.c_str());
    case MemoryAction::SequentialRead:
        break;
    }
    return platform::Format("%s Sequential Read...", name.c_str());
}

std::string MemoryResultText(MemoryAction action, const std::string& name, bool ok) {
    const char* outcome = ok ? "Success" : "Fail";
    switch (action) {
    case MemoryAction::RandomWrite:
        return platform::Format("%s Random Write %s", name.c_str(), outcome);
    case MemoryAction::RandomRead:
        return platform::Format("%s Random Read %s", name.c_str(), outcome);
    case MemoryAction::SequentialWrite:
        return platform::Format("%s Sequential Write %s", name.c_str(), outcome);
    case MemoryAction::SequentialRead:
        break;
    }
    // Spelled as the status line has always shown it.
    return platform::Format("%s Sequentail Read %s", name.c_str(), outcome);
}
