#include "DaughterCatalogue.h"

#include "platform/Assert.h"

#include <array>

namespace {

// Stands for "the same as the display name" in the short-name and description columns.
constexpr const char* kSame = "\x01";

struct CatalogueRow {
    int id;
    uint8_t type;
    const char* name;        // nullptr: not assigned
    const char* shortName;   // nullptr: not assigned
    const char* description; // "" : no description
    bool selectable;
    bool transceiver;
    uint8_t voltage;
    uint8_t ioStandard;
    bool voltageIndependent;
    bool sortable;
};

// clang-format off
constexpr CatalogueRow kCatalogue[] = {
    {0, CONNECTOR_NONE, "None", "None", kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {1, CONNECTOR_GPIO40, "GPIO Default", "GPIO_Default", "GPIO Default Pin Name", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {2, CONNECTOR_HSMC, "HSMC Default", "HSMC_Default", "HSMC Default Pin Name", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {3, CONNECTOR_HSMC, "HSMC Default With Transceiver", "HSMC_Default_With_Transceiver", "HSMC Default Pin Name (With Transceiver)", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {4, CONNECTOR_HSMC, "HSMC LVDS Default", "HSMC_LVDS_Default", "HSMC LVDS Default Pin Name", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {5, CONNECTOR_KAPPEL, "Kappel Default", "Kappel_Default", "Kappel Default Pin Name", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {6, CONNECTOR_HSMC, "DVI - FullHD TX/RX", "DVI", "HSMC Full-HD DVI TX/RX", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {7, CONNECTOR_HSMC, "NET - 10/100/1000 Ethernet", "NET", "HSMC 10/100/1000 Dual-Port Ethernet", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {8, CONNECTOR_HSMC, "Pellum - High Speed ADC/DAC", "Pellum", "HSMC 150MSPS-ADC and 250MSPS-DAC", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {9, CONNECTOR_DDR2_SODIMM, "DDR2 SODIMM", "DDR2_SODIMM", kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {10, CONNECTOR_HSMC, "Turvin - High Speed ADC/DAC", "Turvin", "HSMC 65MSPS-ADC and 125MSPS-DAC", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {11, CONNECTOR_GPIO80, "Turvin - High Speed ADC/DAC", "Turvin", "GPIO 65MSPS-ADC and 125MSPS-DAC", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {12, CONNECTOR_GPIO40, "Kamrel - 5M Pixel Camera", "Kamrel", "PIO 5-Mega Pixel Camera", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {13, CONNECTOR_GPIO40, "Spindo - 4.3\" LCD and Touch", "Spindo", "PIO Touch LCD", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {14, CONNECTOR_HSMC, "Gorvay - Multimedia Card", "Gorvay", "HSMC Multimedia", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {15, CONNECTOR_KAPPEL, "HDMI - FullHD TX/RX", "HDMI", "Kappel Full-HD HDMI", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {16, CONNECTOR_KAPPEL, "Brissel - Kappel to PIO Adaptor", "Brissel_Kappel", "Kappel to PIO", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {17, CONNECTOR_HSMC, "Brissel - HSMC to PIO Adaptor", "Brissel_HSMC", "HSMC to PIO", true, false, VOLTAGE_2V5, IOSTD_2V5, true, true},
    {18, CONNECTOR_HSMC, "HSMC Debug", "HSMC_Debug", kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {19, CONNECTOR_HSMC, "HSMC Loopback", "HSMC_Loopback", kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {20, CONNECTOR_KAPPEL, "Kappel Loopback", "Kappel_Loopback", kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {21, CONNECTOR_HSMC, "SFP - Form-Factor Pluggable", "SFP", "HSMC SFP (Small Form-Factor Pluggable)", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {22, CONNECTOR_HSMC, "SDI - SD/HD/3G", "SDI", "HSMC SDI (Serial Digital Interface)", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {23, CONNECTOR_HSMC, "SATA/SAS", "SATA", "HSMC SATA/SAS", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {24, CONNECTOR_GPIO40, "Nimbrek - High Speed USB FIFO", "Nimbrek", "PIO High-Speed USB (Sync FIFO)", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {25, CONNECTOR_GPIO40, "Nimbrek - High Speed USB - Native", "Nimbrek_NATIVE", "PIO High-Speed USB (Native)", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {26, CONNECTOR_HSMC, "Faldon - Transceiver to SMA", "Faldon", "HSMC Faldon (Transceiver to SMA)", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {27, CONNECTOR_HSMC, "Ruvex - Industry Communication", "Ruvex", kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {28, CONNECTOR_HSMC, "Plindor - Santa Cruz Interface", "Plindor", "HSMC Plindor (HSMC to Santa Cruz)", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {29, CONNECTOR_HSMC, "Hovrin - 8\" LCD/Touch/Camera", "Hovrin", "HSMC Hovrin - 8\" LCD/Touch/Camera", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {30, CONNECTOR_GPIO40, "Wexlin - 8\" LCD/Touch", "Wexlin", "GPIO Wexlin - 8\" LCD/Touch", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {31, CONNECTOR_HSMC, "HDMI TX", "HDMI_TX", "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {32, CONNECTOR_HSMC, "HDMI RX", "HDMI_RX", "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {33, CONNECTOR_HSMC, "Camera Link Receiver", "CLR", "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {34, CONNECTOR_GPIO40, "Mordle - Interactive Sensor Board", "Mordle", "", false, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {35, CONNECTOR_HSMC, "Zimbor-Aptina Headboard Adaptor", "Zimbor", "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {36, CONNECTOR_HSMC, "Hovrin2 - 8\" LCD/Touch/Camera", "Hovrin2", "HSMC Hovrin2 - 8\" LCD/Touch/Camera", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {37, CONNECTOR_HSMC, "HSMC Loopback w/ Transceiver", "HSMC_Loopback_Xcvr", "HSMC Loopback with Transceiver", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {38, CONNECTOR_DDR3_SODIMM, "DDR3 SODIMM", "DDR3_SODIMM", kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {39, CONNECTOR_FMC_HPC, "FMC HPC - VITA Standard", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {40, CONNECTOR_FMC_LPC, "FMC LPC - VITA Standard", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {41, CONNECTOR_FMC_HPC, "FMC HPC - Altera Standard", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {42, CONNECTOR_FMC_HPC, "FMC HPC with XCVR - Altera Standard", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {43, CONNECTOR_FMC_HPC, "FMC HPC - Altera Standard", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {44, CONNECTOR_FMC_HPC, "FMC HPC with XCVR - Altera Standard", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {45, CONNECTOR_FMC_LPC, "FMC LPC - Altera Standard", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {46, CONNECTOR_FMC_LPC, "FMC LPC with XCVR - Altera Standard", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, false},
    {47, CONNECTOR_FMC_LPC, "Faldon-FMC", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {48, CONNECTOR_FMC_HPC, "12G SDI-FMC", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {49, CONNECTOR_FMC_LPC, "HDMI-FMC", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {50, CONNECTOR_FMC_HPC, "JESD-FMC Adapter for TI", "JESD-FMC adpter for TI", "", false, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {51, CONNECTOR_FMC_HPC, "JESD-FMC + TI ADC34J45 EVM", kSame, "", true, true, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {52, CONNECTOR_FMC_LPC, "NET-FMC", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {53, CONNECTOR_GPIO40, "Drovik - Multi-Touch LCD Panel", "Drovik", "", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {54, CONNECTOR_HSMC, "HSMC: LVDS Crossover", "Ulvane", "", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {55, CONNECTOR_HSMC, "Brissel - J2-Kamrel", "Brissel_Kamrel", "HSMC to PIO with Kamrel", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {56, CONNECTOR_HSMC, "Brissel - J3-Kamrel", "Brissel_Kamrel", "HSMC to PIO with Kamrel", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {57, CONNECTOR_HSMC, "Brissel - Both Kamrel", "Brissel_Kamrel", "HSMC to PIO with Kamrel", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {58, CONNECTOR_HSMC, "Sarvon -Multi-Touch/LCD/Camera", "Sarvon", "HSMC Sarvon - Multi-Touch LCD and Camera", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {59, CONNECTOR_HSMC, "Sarvon2 -Multi-Touch/LCD/Camera", "Sarvon2", "HSMC Sarvon2 - Multi-Touch LCD and Camera", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {60, CONNECTOR_GPIO40, "Pemrith - 2.4\" LCD and Touch", "Pemrith", "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {61, CONNECTOR_GPIO40, "Drovik2 - Multi-Touch LCD Panel", "Drovik2", "", true, false, VOLTAGE_3V3, IOSTD_2V5, false, true},
    {62, CONNECTOR_GPIO40, "Trelby Daughtercard", "Trelby", "", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {63, CONNECTOR_GPIO40, "Nalvor Daughtercard", "Nalvor", "", false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {64, CONNECTOR_GPIO40, "Ebbran - Servo Motor Kit", "Servo Motor Kit", "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {65, CONNECTOR_GPIO40, "Arduino Digital", "Arduino Digital", kSame, false, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {66, CONNECTOR_NONE, nullptr, nullptr, nullptr, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {67, CONNECTOR_NONE, nullptr, nullptr, nullptr, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {68, CONNECTOR_NONE, nullptr, nullptr, nullptr, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {69, CONNECTOR_MOXEN_2x6, "Moxen Default", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {70, CONNECTOR_MOXEN_2x6, "Moxen Bluetooth SPP", "Jossen-Moxen", "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {71, CONNECTOR_GPIO40, "Fiskel-GPIO", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {72, CONNECTOR_NONE, nullptr, nullptr, nullptr, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {73, CONNECTOR_FMC_LPC, "Fiskel-FMC", kSame, "", true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {74, CONNECTOR_NONE, nullptr, nullptr, nullptr, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {75, CONNECTOR_GPIO40, "GPIO Default - 2.5V", kSame, kSame, true, false, VOLTAGE_2V5, IOSTD_2V5, false, true},
    {76, CONNECTOR_GPIO40, "GPIO Default - 1.8V", kSame, kSame, true, false, VOLTAGE_1V8, IOSTD_2V5, false, true},
    {77, CONNECTOR_GPIO40, "GPIO Default - 1.5V", kSame, kSame, true, false, VOLTAGE_1V5, IOSTD_2V5, false, true},
    {78, CONNECTOR_HSMC, "HSMC Default - 3.3V", kSame, kSame, true, false, VOLTAGE_3V3, IOSTD_3V3_LVTTL, false, true},
    {79, CONNECTOR_HSMC, "HSMC Default - 1.8V", kSame, kSame, true, false, VOLTAGE_1V8, IOSTD_1V8, false, true},
    {80, CONNECTOR_HSMC, "HSMC Default - 1.5V", kSame, kSame, true, false, VOLTAGE_1V5, IOSTD_1V5, false, true},
    {81, CONNECTOR_HSMC, "HSMC Default-3.3V w/ Transceiver", kSame, "HSMC Default - 3.3V (With Transceiver)", true, true, VOLTAGE_3V3, IOSTD_3V3_LVTTL, false, true},
    {82, CONNECTOR_HSMC, "HSMC Default-3.0V w/ Transceiver", kSame, "HSMC Default - 3.0V (With Transceiver)", true, false, VOLTAGE_3V0, IOSTD_3V0_PCI_X, false, true},
    {83, CONNECTOR_HSMC, "HSMC Default-1.8V w/ Transceiver", kSame, "HSMC Default - 1.8V (With Transceiver)", true, true, VOLTAGE_1V8, IOSTD_1V8, false, true},
    {84, CONNECTOR_HSMC, "HSMC Default-1.5V w/ Transceiver", kSame, "HSMC Default - 1.5V (With Transceiver)", true, true, VOLTAGE_1V5, IOSTD_1V5, false, true},
    {85, CONNECTOR_NONE, nullptr, nullptr, nullptr, true, false, VOLTAGE_3V0, IOSTD_2V5, false, true},
    {86, CONNECTOR_HSMC, "HSMC Default - 3.0V", kSame, kSame, true, false, VOLTAGE_3V0, IOSTD_3V0_PCI_X, false, true},
};
// clang-format on

static_assert(std::size(kCatalogue) == 87);

constexpr bool RowsInIdOrder() {
    for (std::size_t i = 0; i < std::size(kCatalogue); ++i)
        if (kCatalogue[i].id != static_cast<int>(i))
            return false;
    return true;
}
static_assert(RowsInIdOrder());

const CatalogueRow* Row(int id) {
    if (id < 0 || id >= static_cast<int>(std::size(kCatalogue)))
        return nullptr;
    return &kCatalogue[id];
}

std::string Resolve(const CatalogueRow& row, const char* text) {
    return text == kSame ? row.name : text;
}

} // namespace

uint8_t BoardConnectorType(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    return row ? row->type : static_cast<uint8_t>(CONNECTOR_NONE);
}

std::string BoardName(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    if (!row || !row->name)
        platform::AssertFailed("0", "DaughterBoard", 690);
    return row->name;
}

std::string BoardShortName(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    if (!row || !row->shortName)
        platform::AssertFailed("0", "DaughterBoard", 805);
    return Resolve(*row, row->shortName);
}

std::string BoardDescription(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    if (row && row->description && row->description != kSame)
        return row->description;
    // Without a description of its own the card is described by its name.
    std::string name = BoardName(BoardId);
    PW_ASSERT(name.size() > 0, "BoardName(BoardId).Length() > 0", "DaughterBoard", 872);
    return name;
}

bool IsBoardSelectable(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    return row ? row->selectable : true;
}

bool IsTransceiverBoard(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    return row ? row->transceiver : false;
}

uint8_t BoardIoVoltage(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    return row ? row->voltage : static_cast<uint8_t>(VOLTAGE_2V5);
}

uint8_t BoardIoStandard(int BoardId) {
    const CatalogueRow* row = Row(BoardId);
    return row ? row->ioStandard : static_cast<uint8_t>(IOSTD_2V5);
}

bool IsVoltageIndependentBoard(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    return row ? row->voltageIndependent : false;
}

bool IsSortableBoard(int8_t BoardId) {
    const CatalogueRow* row = Row(BoardId);
    return row ? row->sortable : true;
}
