#include "NorrikText.h"

#include "boards/kit/QsfText.h"
#include "boards/second/ClockModules.h"
#include "core/MainBoard.h"
#include "model/DaughterId.h"
#include "platform/Text.h"

namespace {

const char* const kBanner = "#============================================================\r\n";

std::string ToggleRate(const std::string& target) {
    return kit::QsfLine("set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to " + target);
}

} // namespace

std::string NorrikText::QsfGlobalAssignments(const TMainBoard& board) const {
    const NORRIK_CONFIG& c = m_Record;
    std::string text;
    text += kit::NceoWhenUsed(board, "AE7", true);
    if (c.U8(c.bFlash))
        text += kit::QsfLine("set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]");
    if (c.U8(c.nHSMCDaughterId) == DAUGHTER_HSMC_LVDS_DEFAULT) {
        text += kBanner;
        text += kit::QsfLine(
            "# When Norrik HSMC is configued as LVDS, configure the following pins to avoid compile error.");
        text += kBanner;
        if (c.U8(c.bButton))
            for (int i = 0; i <= 17; ++i)
                text += ToggleRate(platform::Format("KEY[%d]", i));
        if (c.U8(c.bSwitch))
            for (int i = 0; i <= 17; ++i)
                text += ToggleRate(platform::Format("SW[%d]", i));
        if (c.U8(c.bLED)) {
            for (int i = 0; i <= 8; ++i)
                text += ToggleRate(platform::Format(" LEDG[%d]", i));
            for (int i = 0; i <= 17; ++i)
                text += ToggleRate(platform::Format(" LEDR[%d]", i));
        }
        if (c.U8(c.bSeg7))
            text += ToggleRate("HEX2[3]");
        if (c.U8(c.bLCD))
            text += ToggleRate("LCD_ON");
        if (c.U8(c.bAccelerometer))
            text += ToggleRate("G_SENSOR_INT1");
        if (c.U8(c.bPCIeHardIP) || c.U8(c.bPCIeSoftIP))
            text += ToggleRate("PCIE_WAKE_N");
        std::string prefix = c.Text(c.szHSMCPrefixName, 128);
        if (!prefix.empty()) {
            text += ToggleRate(prefix + "D[1]");
            text += ToggleRate(prefix + "D[3]");
        } else {
            text += ToggleRate("HSMC_D[1]");
            text += ToggleRate("HSMC_D[3]");
        }
        text += ToggleRate("FAN_CTRL");
    }
    return text;
}

std::string NorrikText::StructuralCode(const TMainBoard& board) const {
    AssertBoardId(board.GetBoardId(), MAINBOARD_NORRIK, "m_BoardId == MAINBOARD_NORRIK", "MainBoard", 1216);
    return platform::Format("\r\n\t//////////// %s //////////\r\n", "FAN Control") +
           "assign FAN_CTRL = 1'bz; // turn on FAN" + "\r\n" + "\r\n";
}
