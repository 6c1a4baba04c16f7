#include "D_FMC_TI_ADC34J45.h"

#include "cards/CardTables.h"

#include <utility>

namespace {

// clang-format off
constexpr FmcRow kRows[] = {
    {'A', 2, "DB0P", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x10},
    {'A', 3, "DB0M", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x90},
    {'A', 6, "DC0P", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x10},
    {'A', 7, "DC0M", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x90},
    {'A', 10, "DD0P", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x10},
    {'A', 11, "DD0M", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x90},
    {'C', 6, "DA0P", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x10},
    {'C', 7, "DA0M", DIRECTION_INPUT, IOSTD_1V5_PCML, 0x90},
    {'C', 14, "FMC_SCLK", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'C', 15, "FMC_SDIO", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'D', 4, "GTX_CLKP", DIRECTION_INPUT, IOSTD_LVDS, 0x02},
    {'D', 5, "GTX_CLKM", DIRECTION_INPUT, IOSTD_LVDS, 0x82},
    {'D', 14, "FMC_SDO", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'D', 15, "FMC_SEN_ADC", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'D', 17, "SPLED0", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'D', 18, "SPLED1", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'E', 18, "OVRB", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'G', 6, "CLK_LA0_0P", DIRECTION_INPUT, IOSTD_LVDS, 0x02},
    {'G', 7, "CLK_LA0_0M", DIRECTION_INPUT, IOSTD_LVDS, 0x82},
    {'G', 9, "CAR_SYSREFP", DIRECTION_INPUT, IOSTD_LVDS, 0x02},
    {'G', 10, "CAR_SYSREFM", DIRECTION_INPUT, IOSTD_LVDS, 0x82},
    {'G', 12, "SYNCP", DIRECTION_OUTPUT, IOSTD_LVDS, 0x02},
    {'G', 13, "SYNCM", DIRECTION_OUTPUT, IOSTD_LVDS, 0x82},
    {'G', 15, "FMC_SEN_LMK", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'G', 16, "FMC_B5", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'H', 16, "FMC_B6", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'H', 17, "FMC_DIR_CONTROL", DIRECTION_INOUT, IOSTD_2V5, 0x01},
    {'J', 21, "OVRD", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 22, "OVRC", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 19, "OVRA", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 22, "SYNC", DIRECTION_INOUT, IOSTD_2V5, 0x01},
};
// clang-format on
static_assert(FmcRowsValid(kRows, kFmcNameWidthEx));

struct PositionExchange {
    char fromRow;
    int fromColumn;
    char toRow;
    int toColumn;
};

// clang-format off
constexpr PositionExchange kExchanges[] = {
    {'K', 20, 'F', 7},
    {'K', 23, 'F', 8},
    {'F', 19, 'G', 12},
    {'F', 20, 'G', 13},
    {'F', 10, 'G', 30},
    {'F', 11, 'G', 31},
    {'K', 19, 'G', 33},
    {'J', 22, 'G', 34},
    {'K', 4, 'H', 22},
    {'K', 5, 'H', 23},
    {'G', 12, 'H', 25},
    {'G', 13, 'H', 26},
    {'K', 22, 'H', 34},
    {'F', 1, 'H', 35},
};
// clang-format on

} // namespace

int MapAdc34j45Position(int index) {
    for (const PositionExchange& e : kExchanges)
        if (FmcPosition(e.fromRow, e.fromColumn) - 1 == index)
            return FmcPosition(e.toRow, e.toColumn) - 1;
    return index;
}

FmcSlots BuildAdc34j45PinTable() {
    FmcSlots work = FmcSlotsOf({kRows});
    // From the top down: G12/G13 trade with H25/H26 before F19/F20 trade with G12/G13.
    for (int i = FMC_HPC_PIN_NUM - 1; i >= 0; --i) {
        int m = MapAdc34j45Position(i);
        if (m != i)
            std::swap(work[static_cast<std::size_t>(i)], work[static_cast<std::size_t>(m)]);
    }
    return work;
}

void FillCardJesdAdc34j45Pins(TConnector* conn, bool remapFirst) {
    AppendFmcFlag40Pins(conn, remapFirst ? BuildAdc34j45PinTable() : FmcSlotsOf({kRows}));
}
