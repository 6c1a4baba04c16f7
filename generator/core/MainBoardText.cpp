// Board-specific project text and the top-level port list of TMainBoard.
#include "MainBoard.h"
#include "PinParsing.h"
#include "platform/Assert.h"
#include "platform/Text.h"
#include "settings/ConfigBoard.h"

namespace {

const char* const kBanner = "#============================================================\r\n";
const char* const kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";

std::string Line(const std::string& text) {
    return text + "\r\n";
}

std::string ToggleRate(const std::string& target) {
    return Line("set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to " + target);
}

} // namespace

std::string TMainBoard::GetQsfGlobalAssignments() const {
    auto used = [this](const char* location) { return IsLocationUsed(location); };
    std::string text;
    switch (m_BoardId) {
    case 1:
        if (used("K22"))
            text += Line(kNceo);
        break;
    case 2:
        if (used("W20"))
            text += kNceo;
        break;
    case 3:
        if (used("AE24"))
            text += kNceo;
        break;
    case 4:
        if (used("AD25"))
            text += kNceo;
        break;
    case 5:
        text += Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"");
        if (used("P28"))
            text += Line(kNceo);
        break;
    case 6:
    case 7:
        break;
    case 8:
        text += Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"");
        text += Line("set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad");
        text += Line("set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad");
        break;
    case 9:
        text += Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\"");
        break;
    case 10:
        if (used("F16"))
            text += Line(kNceo);
        if (used("C1")) {
            text += Line(
                "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
            text +=
                Line("set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
            text +=
                Line("set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
            text +=
                Line("set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        }
        break;
    case 11:
        if (used("P28"))
            text += Line(kNceo);
        break;
    case 12:
        text += Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"");
        break;
    case 13:
        break;
    case 14:
        text += GetQsfAssignmentsNorrik();
        break;
    case 15:
    case 16:
    case 18:
        break;
    case 17:
        platform::AssertFailed("0", "MainBoard", 312);
    case 19:
        if (used("P9")) {
            text += "\r\n";
            text += kBanner;
            text += Line("# Transceiver ");
            text += kBanner;
            text += Line(
                "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to "
                "HSMC_REF_CLK_p");
            text += "\r\n";
        }
        break;
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
        break;
    case 26:
        if (used("C7") || used("D6") || used("D8") || used("E10") || used("E9")) {
            text += "\r\n";
            text += kBanner;
            text += Line("# disable config pin so bank8 can use 1.2V ");
            text += kBanner;
            text += Line("set_global_assignment -name AUTO_RESTART_CONFIGURATION ON");
            text += Line("set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF");
            text += Line("set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF");
            text += "\r\n";
        }
        break;
    case 27:
    case 29:
    case 31:
        // The clock-chip boards' settings object writes their lines.
        PW_ASSERT(m_pConfigBoard, "m_pConfigBoard", "MainBoard", 400);
        text += m_pConfigBoard->GetQsfAssignments();
        break;
    case 28:
    case 30:
    case 32:
        break;
    case 50:
        if (used("D1"))
            text +=
                Line("set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        if (used("H3"))
            text +=
                Line("set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        if (used("E18"))
            text += Line(kNceo);
        break;
    case 100:
        text += Line("set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0");
        text += Line("set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85");
        break;
    default:
        platform::AssertFailed("0", "MainBoard", 408);
    }
    return text;
}

std::string TMainBoard::GetQsfAssignmentsNorrik() const {
    const NORRIK_CONFIG& c = m_NorrikConfig;
    std::string text;
    if (IsLocationUsed("AE7"))
        text += Line(kNceo);
    if (c.U8(146))
        text += Line("set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]");
    if (c.U8(292) == 4) {
        text += kBanner;
        text += Line(
            "# When Norrik HSMC is configued as LVDS, configure the following pins to avoid compile error.");
        text += kBanner;
        if (c.U8(139))
            for (int i = 0; i <= 17; ++i)
                text += ToggleRate(platform::Format("KEY[%d]", i));
        if (c.U8(140))
            for (int i = 0; i <= 17; ++i)
                text += ToggleRate(platform::Format("SW[%d]", i));
        if (c.U8(137)) {
            for (int i = 0; i <= 8; ++i)
                text += ToggleRate(platform::Format(" LEDG[%d]", i));
            for (int i = 0; i <= 17; ++i)
                text += ToggleRate(platform::Format(" LEDR[%d]", i));
        }
        if (c.U8(138))
            text += ToggleRate("HEX2[3]");
        if (c.U8(144))
            text += ToggleRate("LCD_ON");
        if (c.U8(148))
            text += ToggleRate("G_SENSOR_INT1");
        if (c.U8(154) || c.U8(155))
            text += ToggleRate("PCIE_WAKE_N");
        std::string prefix = c.Text(293, 128);
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

std::string TMainBoard::GetStructuralCode() const {
    switch (m_BoardId) {
    case 14:
        return GetStructuralCodeNorrik();
    case 17:
        platform::AssertFailed("0", "MainBoard", 707);
    case 27:
    case 29:
    case 31:
        PW_ASSERT(m_pConfigBoard, "m_pConfigBoard", "MainBoard", 700);
        return m_pConfigBoard->GetStructuralCode();
    default:
        return std::string();
    }
}

std::string TMainBoard::GetStructuralCodeNorrik() const {
    PW_ASSERT(m_BoardId == MAINBOARD_NORRIK, "m_BoardId == MAINBOARD_NORRIK", "MainBoard", 1216);
    return platform::Format("\r\n\t//////////// %s //////////\r\n", "FAN Control") +
           "assign FAN_CTRL = 1'bz; // turn on FAN" + "\r\n" + "\r\n";
}

TPin* TMainBoard::GetHsmcPinName(int n, int PinIndex) const {
    int count = 0;
    for (const auto& c : m_Connectors) {
        if (c->GetType() != CONNECTOR_HSMC)
            continue;
        if (count++ == n) {
            PW_ASSERT(PinIndex <= c->PinCount(), "PinIndex <= pCon->PinCount", "MainBoard", 1110);
            return c->GetPin(PinIndex - 1);
        }
    }
    return nullptr;
}

std::string TMainBoard::GetPortList() const {
    TPinParsing parsing;
    std::string text;
    std::size_t lastComma = std::string::npos;
    for (const auto& c : m_Connectors) {
        if (c->GetCaption().empty())
            text += platform::Format("\r\n\t//////////// %s //////////\r\n", c->GetName().c_str());
        else
            text += platform::Format("\r\n\t//////////// %s, %s //////////\r\n", c->GetName().c_str(),
                                     c->GetCaption().c_str());
        parsing.Parse(c.get());
        for (int i = 0; i < parsing.GetPortCount(); ++i) {
            text += "\t" + parsing.GetPortText(i);
            lastComma = text.size();
            text += ",\r\n";
        }
    }
    // The very last port of the module has no comma.
    if (lastComma != std::string::npos)
        text.erase(lastComma, 1);
    return text;
}
