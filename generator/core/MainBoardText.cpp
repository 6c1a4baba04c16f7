// Board-specific project text and the top-level port list of TMainBoard.
#include "MainBoard.h"
#include "ModulePorts.h"
#include "model/DaughterId.h"
#include "platform/Assert.h"
#include "platform/Text.h"
#include "settings/ConfigBoard.h"

#include <span>

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

namespace {

using BoardText = std::string (*)(const TMainBoard& b);

struct BoardTextRow {
    uint8_t board;
    BoardText text;
};

std::string NceoWhenUsed(const TMainBoard& b, const char* location, bool lineEnd) {
    if (!b.IsLocationUsed(location))
        return std::string();
    return lineEnd ? Line(kNceo) : std::string(kNceo);
}

std::string ClockChipQsf(const TMainBoard& b) {
    // The clock-chip boards' settings object writes their lines.
    PW_ASSERT(b.m_pConfigBoard, "m_pConfigBoard", "MainBoard", 400);
    return b.m_pConfigBoard->GetQsfAssignments();
}

// Global .qsf lines per board; a catalogue board without a row has none.
// clang-format off
constexpr BoardTextRow kQsfGlobalTexts[] = {
    {MAINBOARD_ARVEL, [](const TMainBoard& b) { return NceoWhenUsed(b, "K22", true); }},
    {MAINBOARD_BELMIC, [](const TMainBoard& b) { return NceoWhenUsed(b, "W20", false); }},
    {MAINBOARD_CARDIX, [](const TMainBoard& b) { return NceoWhenUsed(b, "AE24", false); }},
    {MAINBOARD_DORVEL, [](const TMainBoard& b) { return NceoWhenUsed(b, "AD25", false); }},
    {MAINBOARD_ELBRIN, [](const TMainBoard& b) {
        return Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"") +
               NceoWhenUsed(b, "P28", true);
    }},
    {MAINBOARD_HARLIN, [](const TMainBoard&) {
        return Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"") +
               Line("set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad") +
               Line("set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad");
    }},
    {MAINBOARD_ISVAR, [](const TMainBoard&) { return Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\""); }},
    {MAINBOARD_JORREL, [](const TMainBoard& b) {
        std::string text = NceoWhenUsed(b, "F16", true);
        if (b.IsLocationUsed("C1")) {
            text += Line("set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
            text += Line("set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
            text += Line("set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
            text += Line("set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        }
        return text;
    }},
    {MAINBOARD_KESTIN, [](const TMainBoard& b) { return NceoWhenUsed(b, "P28", true); }},
    {MAINBOARD_LOMAR, [](const TMainBoard&) { return Line("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\""); }},
    {MAINBOARD_NORRIK, [](const TMainBoard& b) { return b.GetQsfAssignmentsNorrik(); }},
    {MAINBOARD_QUENOR, [](const TMainBoard&) -> std::string { platform::AssertFailed("0", "MainBoard", 312); }},
    {MAINBOARD_SELVIK, [](const TMainBoard& b) {
        if (!b.IsLocationUsed("P9"))
            return std::string();
        return "\r\n" + std::string(kBanner) + Line("# Transceiver ") + kBanner +
               Line("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to HSMC_REF_CLK_p") +
               "\r\n";
    }},
    {MAINBOARD_ZEPHAL, [](const TMainBoard& b) {
        if (!(b.IsLocationUsed("C7") || b.IsLocationUsed("D6") || b.IsLocationUsed("D8") || b.IsLocationUsed("E10") ||
              b.IsLocationUsed("E9")))
            return std::string();
        return "\r\n" + std::string(kBanner) + Line("# disable config pin so bank8 can use 1.2V ") + kBanner +
               Line("set_global_assignment -name AUTO_RESTART_CONFIGURATION ON") +
               Line("set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF") +
               Line("set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF") + "\r\n";
    }},
    {MAINBOARD_ABRENZ, ClockChipQsf},
    {MAINBOARD_CALVEX, ClockChipQsf},
    {MAINBOARD_EMBREL, ClockChipQsf},
    {MAINBOARD_GLAVIN, [](const TMainBoard& b) {
        std::string text;
        if (b.IsLocationUsed("D1"))
            text += Line("set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        if (b.IsLocationUsed("H3"))
            text += Line("set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        return text + NceoWhenUsed(b, "E18", true);
    }},
    {MAINBOARD_HESTOR, [](const TMainBoard&) {
        return Line("set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0") +
               Line("set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85");
    }},
    // No pin table, so no project.
    {MAINBOARD_IRVANE, [](const TMainBoard&) -> std::string { platform::AssertFailed("0", "MainBoard", 408); }},
};

std::string ClockChipVerilog(const TMainBoard& b) {
    PW_ASSERT(b.m_pConfigBoard, "m_pConfigBoard", "MainBoard", 700);
    return b.m_pConfigBoard->GetStructuralCode();
}

// Extra structural Verilog per board; a board without a row has none.
constexpr BoardTextRow kStructuralTexts[] = {
    {MAINBOARD_HARLIN, [](const TMainBoard& b) { return b.GetStructuralCodeHarlin(); }},
    {MAINBOARD_LOMAR, [](const TMainBoard& b) { return b.GetStructuralCodeLomar(); }},
    {MAINBOARD_NORRIK, [](const TMainBoard& b) { return b.GetStructuralCodeNorrik(); }},
    {MAINBOARD_OSTREL, [](const TMainBoard& b) { return b.GetStructuralCodeOstrel(); }},
    {MAINBOARD_PALLEX, [](const TMainBoard& b) { return b.GetStructuralCodePallex(); }},
    {MAINBOARD_QUENOR, [](const TMainBoard&) -> std::string { platform::AssertFailed("0", "MainBoard", 707); }},
    {MAINBOARD_RASMEL, [](const TMainBoard& b) { return b.GetStructuralCodeRasmel(); }},
    {MAINBOARD_ABRENZ, ClockChipVerilog},
    {MAINBOARD_CALVEX, ClockChipVerilog},
    {MAINBOARD_EMBREL, ClockChipVerilog},
};
// clang-format on

const BoardTextRow* RowOf(std::span<const BoardTextRow> rows, uint8_t board) {
    for (const BoardTextRow& row : rows)
        if (row.board == board)
            return &row;
    return nullptr;
}

} // namespace

std::string TMainBoard::GetQsfGlobalAssignments() const {
    if (const BoardTextRow* row = RowOf(kQsfGlobalTexts, m_BoardId))
        return row->text(*this);
    if (!IsCatalogueBoard(m_BoardId))
        platform::AssertFailed("0", "MainBoard", 408);
    return std::string();
}

std::string TMainBoard::GetQsfAssignmentsNorrik() const {
    const NORRIK_CONFIG& c = m_NorrikConfig;
    std::string text;
    if (IsLocationUsed("AE7"))
        text += Line(kNceo);
    if (c.U8(c.bFlash))
        text += Line("set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]");
    if (c.U8(c.nHSMCDaughterId) == DAUGHTER_HSMC_LVDS_DEFAULT) {
        text += kBanner;
        text += Line(
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

std::string TMainBoard::GetStructuralCode() const {
    const BoardTextRow* row = RowOf(kStructuralTexts, m_BoardId);
    return row != nullptr ? row->text(*this) : std::string();
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
    TModulePorts ports;
    ports.Parse(*this);
    std::string text;
    std::size_t lastComma = std::string::npos;
    for (const TModulePorts::Section& s : ports.Sections()) {
        const TConnector* c = s.connector;
        text += "\r\n\t//////////// ";
        text += c->GetName();
        if (!c->GetCaption().empty()) {
            text += ", ";
            text += c->GetCaption();
        }
        text += " //////////\r\n";
        for (const PORT_INFO& port : s.ports) {
            text += '\t';
            TPinParsing::AppendPortText(text, port);
            lastComma = text.size();
            text += ",\r\n";
        }
    }
    // The very last port of the module has no comma.
    if (lastComma != std::string::npos)
        text.erase(lastComma, 1);
    return text;
}
