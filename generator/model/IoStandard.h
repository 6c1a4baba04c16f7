#pragma once
// The two vocabularies every pin carries: its direction and its I/O standard.

#include <cstdint>
#include <string>

enum PIN_DIRECTION : uint8_t {
    DIRECTION_NONE = 0,
    DIRECTION_INOUT = 1,
    DIRECTION_INPUT = 2,
    DIRECTION_OUTPUT = 3,
    DIRECTION_BY_DAUGHTER = 4,
};

enum IO_STANDARD : uint8_t {
    IOSTD_1V5 = 0,
    IOSTD_1V5_HSTL_I = 1,
    IOSTD_1V5_HSTL_II = 2,
    IOSTD_1V8 = 3,
    IOSTD_1V8_HSTL_I = 4,
    IOSTD_1V8_HSTL_II = 5,
    IOSTD_2V5 = 6,
    IOSTD_3V3_LVCMOS = 7,
    IOSTD_3V3_LVTTL = 8,
    IOSTD_DIFF_1V5_HSTL_I = 9,
    IOSTD_DIFF_1V5_HSTL_II = 10,
    IOSTD_DIFF_1V5_SSTL = 11,
    IOSTD_DIFF_1V5_SSTL_I = 12,
    IOSTD_DIFF_1V5_SSTL_II = 13,
    IOSTD_DIFF_1V8_HSTL_I = 14,
    IOSTD_DIFF_1V8_HSTL_II = 15,
    IOSTD_DIFF_1V8_SSTL_I = 16,
    IOSTD_DIFF_1V8_SSTL_II = 17,
    IOSTD_DIFF_2V5_SSTL_I = 18,
    IOSTD_DIFF_2V5_SSTL_II = 19,
    IOSTD_DIFF_LVPECL = 20,
    IOSTD_LVDS = 21,
    IOSTD_LVDS_E_1R = 22,
    IOSTD_LVDS_E_3R = 23,
    IOSTD_MINI_LVDS = 24,
    IOSTD_MINI_LVDS_E_1R = 25,
    IOSTD_RSDS = 26,
    IOSTD_RSDS_E_1R = 27,
    IOSTD_SSTL_15 = 28,
    IOSTD_SSTL_15_I = 29,
    IOSTD_SSTL_15_II = 30,
    IOSTD_SSTL_18_I = 31,
    IOSTD_SSTL_18_II = 32,
    IOSTD_SSTL_2_I = 33,
    IOSTD_SSTL_2_II = 34,
    IOSTD_1V4_PCML = 35,
    IOSTD_1V5_PCML = 36,
    IOSTD_HCSL = 37,
    IOSTD_3V0_PCI = 38,
    IOSTD_3V0_PCI_X = 39,
    IOSTD_1V2 = 40,
    IOSTD_1V2_HSTL_I = 41,
    IOSTD_1V2_HSTL_II = 42,
    IOSTD_1V2_HSUL = 43,
    IOSTD_DIFF_1V2_HSTL_I = 44,
    IOSTD_DIFF_1V2_HSTL_II = 45,
    IOSTD_DIFF_1V2_HSUL = 46,
    IOSTD_1V5_SCHMITT = 47,
    IOSTD_1V8_SCHMITT = 48,
    IOSTD_2V5_SCHMITT = 49,
    IOSTD_3V3_SCHMITT = 50,
    IOSTD_SSTL_15_ALT = 51,
    IOSTD_HSSI_DIFF_IO = 52,
    IOSTD_BY_DAUGHTER = 54,
};

// The vendor's name of a standard; outside 0-52 a beep and an empty text.
std::string IoStandardName(uint8_t standard);
