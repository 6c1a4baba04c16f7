#include "D_FMC_HPC_ALTERA.h"

#include "cards/CardTables.h"

namespace {

// Rows J and K; rows A to H are the vendor table's.
constexpr FmcRow kRowsJK[] = {
    {'J', 2, "HA_TX_p[5]", DIRECTION_OUTPUT, IOSTD_LVDS, 0x08},
    {'J', 3, "HA_TX_n[5]", DIRECTION_OUTPUT, IOSTD_LVDS, 0x88},
    {'J', 6, "HA_RX_p[5]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 7, "HA_RX_n[5]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 9, "HA_TX_p[6]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 10, "HA_TX_n[6]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 12, "HA_RX_p[6]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 13, "HA_RX_n[6]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 15, "HA_TX_p[7]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 16, "HA_TX_n[7]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 18, "HA_RX_p[7]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 19, "HA_RX_n[7]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 21, "HB_RX_p[5]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 22, "HB_RX_n[5]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 24, "HB_TX_p[5]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 25, "HB_TX_n[5]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 27, "HB_RX_p[6]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 28, "HB_RX_n[6]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 30, "HB_TX_p[6]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 31, "HB_TX_n[6]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 33, "HB_RX_p[7]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 34, "HB_RX_n[7]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'J', 36, "HB_TX_p[7]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'J', 37, "HB_TX_n[7]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 4, "HA_TX_p[8]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 5, "HA_TX_n[8]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 7, "HA_RX_p[8]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 8, "HA_RX_n[8]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 10, "HA_TX_p[9]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 11, "HA_TX_n[9]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 13, "HA_RX_p[9]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 14, "HA_RX_n[9]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 16, "HA_TX_p[10]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 17, "HA_TX_n[10]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 19, "HA_RX_p[10]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 20, "HA_RX_n[10]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 22, "HB_RX_p[8]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 23, "HB_RX_n[8]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 25, "HB_TX_p[8]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 26, "HB_TX_n[8]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 28, "HB_RX_p[9]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 29, "HB_RX_n[9]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 31, "HB_TX_p[9]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 32, "HB_TX_n[9]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 34, "HB_RX_p[10]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 35, "HB_RX_n[10]", DIRECTION_INPUT, IOSTD_2V5, 0x01},
    {'K', 37, "HB_TX_p[10]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
    {'K', 38, "HB_TX_n[10]", DIRECTION_OUTPUT, IOSTD_2V5, 0x01},
};
static_assert(FmcRowsValid(kRowsJK, kFmcNameWidth));

} // namespace

void FillCardFmcHpcAlteraVeltraxPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard,
                                     bool rowKFilter) {
    AppendFmcStandardPins(conn, FmcSlotsOf({FmcAlteraRowsAToH(), kRowsJK}),
                          {withTransceivers, ioStandard, false, rowKFilter});
}
