#include "IoStandard.h"

#include "platform/Platform.h"

namespace {

// Indexed by IO_STANDARD; the names are those the vendor's suite reads from a .qsf.
constexpr const char* kIoStandardNames[] = {
    "1.5 V",                            // 0
    "1.5-V HSTL Class I",               // 1
    "1.5-V HSTL Class II",              // 2
    "1.8 V",                            // 3
    "1.8-V HSTL Class I",               // 4
    "1.8-V HSTL Class II",              // 5
    "2.5 V",                            // 6
    "3.3-V LVCMOS",                     // 7
    "3.3-V LVTTL",                      // 8
    "Differential 1.5-V HSTL Class I",  // 9
    "Differential 1.5-V HSTL Class II", // 10
    "Differential 1.5-V SSTL",          // 11
    "Differential 1.5-V SSTL Class I",  // 12
    "Differential 1.5-V SSTL Class II", // 13
    "Differential 1.8-V HSTL Class I",  // 14
    "Differential 1.8-V HSTL Class II", // 15
    "Differential 1.8-V SSTL Class I",  // 16
    "Differential 1.8-V SSTL Class II", // 17
    "Differential 2.5-V SSTL Class I",  // 18
    "Differential 2.5-V SSTL Class II", // 19
    "Differential LVPECL",              // 20
    "LVDS",                             // 21
    "LVDS_E_1R",                        // 22
    "LVDS_E_3R",                        // 23
    "mini-LVDS",                        // 24
    "mini-LVDS_E_1R",                   // 25
    "RSDS",                             // 26
    "RSDS_E_1R",                        // 27
    "SSTL-15",                          // 28
    "SSTL-15 Class I",                  // 29
    "SSTL-15 Class II",                 // 30
    "SSTL-18 Class I",                  // 31
    "SSTL-18 Class II",                 // 32
    "SSTL-2 Class I",                   // 33
    "SSTL-2 Class II",                  // 34
    "1.4-V PCML",                       // 35
    "1.5-V PCML",                       // 36
    "HCSL",                             // 37
    "3.0-V PCI",                        // 38
    "3.0-V PCI-X",                      // 39
    "1.2 V",                            // 40
    "1.2-V HSTL Class I",               // 41
    "1.2-V HSTL Class II",              // 42
    "1.2-V HSUL",                       // 43
    "Differential 1.2-V HSTL Class I",  // 44
    "Differential 1.2-V HSTL Class II", // 45
    "Differential 1.2-V HSUL",          // 46
    "1.5 V Schmitt Trigger",            // 47
    "1.8 V Schmitt Trigger",            // 48
    "2.5 V Schmitt Trigger",            // 49
    "3.3 V Schmitt Trigger",            // 50
    "SSTL-15",                          // 51
    "HSSI Differential I/O",            // 52
};

static_assert(std::size(kIoStandardNames) == 53);

} // namespace

std::string IoStandardName(uint8_t standard) {
    // The index is read as a signed byte: 128 and up are negative, so outside too.
    auto index = static_cast<int8_t>(standard);
    if (index < 0 || index > 52) {
        platform::Beep();
        return std::string();
    }
    return kIoStandardNames[index];
}
