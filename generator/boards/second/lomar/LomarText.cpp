#include "LomarText.h"

#include "boards/kit/QsfText.h"
#include "boards/second/ClockModules.h"
#include "core/ExtPllText.h"
#include "core/MainBoard.h"

namespace {

// clang-format off
const ExtPllWiring kWiring = {"1'b1", "OSC_50_BANK1",
                              {"HSMA_REFCLK", "HSME_REFCLK", "PGM_GXB_CLK"},
                              "MAX2_I2C_SCL", "MAX2_I2C_SDA", " MHZ"};
// clang-format on

} // namespace

std::string LomarText::QsfGlobalAssignments(const TMainBoard&) const {
    return kit::QsfLine("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"");
}

std::string LomarText::StructuralCode(const TMainBoard& board) const {
    AssertBoardId(board.GetBoardId(), MAINBOARD_LOMAR, "m_BoardId == MAINBOARD_LOMAR", "MainBoard", 851);
    using C = LOMAR_CONFIG;
    const int settings[3] = {m_Record.U8(C::nPllFreq), m_Record.U8(C::nPllFreq + 1),
                             m_Record.U8(C::nPllFreq + 2)};
    return ExtPllText(m_Record.U8(C::bExtPLL) != 0, settings, kWiring);
}

bool LomarText::ExportModules(const std::string& folder) const {
    return ExportExtPllModule(folder);
}
