#include "MemoryTable.h"

#include "platform/Text.h"

std::string MemoryComboLine(const MEMORY_INFO& info) {
    return platform::Format("%s (%xh Bytes,%dMB)", platform::ReadBounded(info.name, sizeof info.name).c_str(),
                            info.size, static_cast<int>(info.size / 1048576));
}
