#include "HarlinText.h"

#include "boards/kit/QsfText.h"
#include "boards/second/ClockModules.h"
#include "core/ExtPllText.h"
#include "core/MainBoard.h"

namespace {

// clang-format off
const ExtPllWiring kWiring = {"CPU_RESET_n", "OSC_50_BANK2",
                              {"HSMA_REFCLK", "HSMB_REFCLK", "PLL_CLKIN/SATA_REFCLK"},
                              "MAX_I2C_SCLK", "MAX_I2C_SDAT", " MHZ"};
// clang-format on

} // namespace

std::string HarlinText::QsfGlobalAssignments(const TMainBoard&) const {
    return kit::QsfLine("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"") +
           kit::QsfLine("set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad") +
           kit::QsfLine("set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad");
}

std::string HarlinText::StructuralCode(const TMainBoard& board) const {
    AssertBoardId(board.GetBoardId(), MAINBOARD_HARLIN, "m_BoardId == MAINBOARD_HARLIN", "MainBoard", 727);
    using C = HARLIN_CONFIG;
    const int settings[3] = {m_Record.U8(C::nPllFreq), m_Record.U8(C::nPllFreq + 1),
                             m_Record.U8(C::nPllFreq + 2)};
    return ExtPllText(m_Record.U8(C::bExtPLL) != 0, settings, kWiring);
}

bool HarlinText::ExportModules(const std::string& folder) const {
    return ExportExtPllModule(folder);
}
