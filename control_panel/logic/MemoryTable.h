#pragma once
// The memories the Memory page offers, in the order of its combo box.

#include "control_panel/link/BoardProtocol.h"

#include <cstdint>
#include <string>

struct MEMORY_INFO {
    char name[64];
    uint32_t size;
    uint32_t id;
};

inline constexpr MEMORY_INFO g_MemoryTable[] = {
    {"SDRAM", 0x4000000, MEMORY_ID_SDRAM},
};

// The combo box line: "SDRAM (4000000h Bytes,64MB)".
std::string MemoryComboLine(const MEMORY_INFO& info);
