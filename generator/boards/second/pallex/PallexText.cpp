#include "PallexText.h"

#include "boards/second/ClockModules.h"
#include "core/ExtPllText.h"
#include "core/MainBoard.h"
#include "core/OscillatorText.h"

namespace {

// How the board wires its external-PLL controller.
// clang-format off
const ExtPllWiring kWiring = {"CPU_RESET_n", "OSC_50_B3B",
                              {"SFP1G_REFCLK_p", "SATA_HOST_REFCLK_p/SATA_DEVICE_REFCLK_p", "reserved"},
                              "PLL_SCL", "PLL_SDA", ""};
// clang-format on

// Both CDCM options disabled: no external-PLL controller at all.
bool BothDisabled(const PALLEX_CONFIG& r) {
    return r.I32(PALLEX_CONFIG::nCdcm61001Freq) == 1 && r.I32(PALLEX_CONFIG::nCdcm61004Freq) == 1;
}

} // namespace

std::string PallexText::StructuralCode(const TMainBoard& board) const {
    AssertBoardId(board.GetBoardId(), MAINBOARD_PALLEX, "m_BoardId == MAINBOARD_PALLEX", "EXTRA_S5", 325);
    const PALLEX_CONFIG& r = m_Record;
    const int32_t si570 = r.I32(PALLEX_CONFIG::nSi570Freq);
    std::string text;
    if (!BothDisabled(r))
        text += GetExtPllCtrlCode(kWiring, static_cast<uint8_t>(r.I32(PALLEX_CONFIG::nCdcm61001Freq)),
                                  static_cast<uint8_t>(r.I32(PALLEX_CONFIG::nCdcm61004Freq)), 0);
    if (si570 != 0)
        text += GetSi570Code(static_cast<uint8_t>(si570), "CPU_RESET_n");
    return text;
}

bool PallexText::ExportModules(const std::string& folder) const {
    // The Si570 files only follow a controller file that could be written.
    bool pll = true;
    if (!BothDisabled(m_Record))
        pll = ExportExtPllModule(folder);
    bool result = pll;
    if (pll && m_Record.I32(PALLEX_CONFIG::nSi570Freq) != 0 && !ExportSi570Modules(folder))
        result = false;
    return result;
}
