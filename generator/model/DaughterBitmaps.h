#pragma once
// The 80-pixel picture of each daughter board, by daughter-board id. Ids without a
// row (0, the memory modules, unassigned ids and everything above 86) have none.

#include <string_view>

struct DaughterBitmapRow {
    int id;
    const char* name;
};

// clang-format off
inline constexpr DaughterBitmapRow kDaughterBitmaps[] = {
    {1, "GPIO_80_BITMAP"},
    {2, "HSMC_DEFAULT_80_BITMAP"},
    {3, "HSMC_DEFAULT_XCVR_80_BITMAP"},
    {4, "HSMC_LVDS_80_BITMAP"},
    {5, "KAPPEL_80_BITMAP"},
    {6, "DVI_80_BITMAP"},
    {7, "NET_80_BITMAP"},
    {8, "PELLUM_80_BITMAP"},
    {10, "TURVIN_HSMC_80_BITMAP"},
    {11, "TURVIN_GPIO_80_BITMAP"},
    {12, "KAMREL_80_BITMAP"},
    {13, "SPINDO_80_BITMAP"},
    {14, "GORVAY_80_BITMAP"},
    {15, "HDMI_80_BITMAP"},
    {16, "YANDLE_80_BITMAP"},
    {17, "CORPEL_80_BITMAP"},
    {18, "HSMC_DEBUG_80_BITMAP"},
    {19, "HSMC_LOOPBACK_80_BITMAP"},
    {20, "KAPPEL_LOOPBACK_80_BITMAP"},
    {21, "SFP_80_BITMAP"},
    {22, "SDI_80_BITMAP"},
    {23, "HSMC_SATA_80_BITMAP"},
    {24, "NIMBREK_80_BITMAP"},
    {25, "NIMBREK_80_BITMAP"},
    {26, "FALDON_80_BITMAP"},
    {27, "RUVEX_HSMC_80_BITMAP"},
    {28, "PLINDOR_80_BITMAP"},
    {29, "HSMC_HOVRIN_80_BITMAP"},
    {30, "GPIO_WEXLIN_80_BITMAP"},
    {31, "HSMC_HDMI_TX_80_BITMAP"},
    {32, "HSMC_HDMI_RX_80_BITMAP"},
    {33, "HSMC_CLR_80_BITMAP"},
    {34, "MORDLE_80_BITMAP"},
    {35, "HSMC_ZIMBOR_80_BITMAP"},
    {36, "HSMC_HOVRIN2_80_BITMAP"},
    {37, "HSMC_LOOPBACK_XCVR_80_BITMAP"},
    {39, "FMC_HPC_VITA_STD_80_BITMAP"},
    {40, "FMC_LPC_VITA_STD_80_BITMAP"},
    {41, "FMC_HPC_ALTERA_STD_80_BITMAP"},
    {42, "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP"},
    {43, "FMC_HPC_ALTERA_STD_80_BITMAP"},
    {44, "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP"},
    {45, "FMC_LPC_ALTERA_STD_80_BITMAP"},
    {46, "FMC_LPC_ALTERA_STD_XCVR_80_BITMAP"},
    {47, "FMC_FALDON_80_BITMAP"},
    {48, "FMC_SDI_80_BITMAP"},
    {49, "FMC_HDMI_80_BITMAP"},
    {50, "FMC_TI_JESD_FOR_TI_80_BITMAP"},
    {51, "FMC_TI_ADC34J45_80_BITMAP"},
    {52, "FMC_NET_80_BITMAP"},
    {53, "DROVIK_80_BITMAP"},
    {54, "HSMC_ULVANE_80_BITMAP"},
    {55, "CORPEL_KAMREL_J2_80_BITMAP"},
    {56, "CORPEL_KAMREL_J3_80_BITMAP"},
    {57, "CORPEL_KAMREL_x2_80_BITMAP"},
    {58, "HSMC_SARVON_80_BITMAP"},
    {59, "HSMC_SARVON2_80_BITMAP"},
    {60, "GPIO_PEMRITH_80_BITMAP"},
    {61, "GPIO_DROVIK2_80_BITMAP"},
    {62, "GPIO_TRELBY_80_BITMAP"},
    {63, "GPIO_NALVOR_80_BITMAP"},
    {64, "GPIO_EBBRAN_80_BITMAP"},
    {65, "ARDUINO_80_BITMAP"},
    {66, "BBB_DEFAULT_80_BITMAP"},
    {67, "BBB_WIFI_BLE_80_BITMAP"},
    {68, "BBB_MODE7_80_BITMAP"},
    {69, "MOXEN_2x6_DEFAULT_BITMAP"},
    {70, "MOXEN_2x6_SPP_BLUETOOTH_BITMAP"},
    {71, "FISKEL_GPIO_80_BITMAP"},
    {73, "FISKEL_FMC_80_BITMAP"},
    {75, "GPIO_80_2V5_BITMAP"},
    {76, "GPIO_80_1V8_BITMAP"},
    {77, "GPIO_80_1V5_BITMAP"},
    {78, "HSMC_3V3_DEFAULT_80_BITMAP"},
    {79, "HSMC_1V8_DEFAULT_80_BITMAP"},
    {80, "HSMC_1V5_DEFAULT_80_BITMAP"},
    {81, "HSMC_3V3_DEFAULT_XCVR_80_BITMAP"},
    {82, "HSMC_3V0_DEFAULT_XCVR_80_BITMAP"},
    {83, "HSMC_1V8_DEFAULT_XCVR_80_BITMAP"},
    {84, "HSMC_1V5_DEFAULT_XCVR_80_BITMAP"},
    {85, "GPIO_80_3V0_BITMAP"},
    {86, "HSMC_3V0_DEFAULT_80_BITMAP"},
};
// clang-format on

// The picture name of a daughter board, "" when it has none.
constexpr std::string_view DaughterBitmapName(int id) {
    for (const DaughterBitmapRow& row : kDaughterBitmaps)
        if (row.id == id)
            return row.name;
    return {};
}
