#include "HarlinRules.h"

#include "CONFIG_HARLIN.h"
#include "boards/kit/AnyTicked.h"
#include "boards/second/GenericHsmcPrefixes.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <utility>

namespace {

using C = HARLIN_CONFIG;

constexpr const char* kExtPllShapes[] = {"ShapeExtPLL0", "ShapeExtPLL1", "ShapeExtPLL2"};

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSlideSwitch", C::bSlideSwitch, 1, "ShapeSlideSwitch"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxSma", C::bSma, 0, "ShapeSma"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxUsbOTG", C::bUSB, 1, "ShapeUsbOTG"},
    {"CheckBoxCurrent", C::bCurrent, 1, "ShapeCurrent"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxSDCARD", C::bSDCARD, 1, "ShapeSDCARD"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxEEPROM", C::bEEPROM, 1, "ShapeEEPROM"},
    {"CheckBoxSSRAM", C::bSSRAM, 1, "ShapeSSRAM"},
    {"CheckBoxRs232", C::bRS232, 1, "ShapeRs232"},
    {"CheckBoxExtPLL", C::bExtPLL, 1, nullptr, nullptr, kExtPllShapes},
    {"CheckBoxEthernet", C::bEthernet, 1, "ShapeEthernet"},
    {"CheckBoxDDR2_0", C::DDR2(0), 0, "ShapeDDR2_0"},
    {"CheckBoxDDR2_1", C::DDR2(1), 0, "ShapeDDR2_1"},
    {"CheckBoxSata_0", C::Sata(0), 0, "ShapeSata_0"},
    {"CheckBoxSata_1", C::Sata(1), 0, "ShapeSata_1"},
    {"CheckBoxSata_2", C::Sata(2), 0, "ShapeSata_2"},
    {"CheckBoxSata_3", C::Sata(3), 0, "ShapeSata_3"},
    {"CheckBoxPCIe", C::bPCIe, 0, "ShapePCIe"},
};
// Holder 1: the HSMC list; holder 2: the GPIO list (40- and 80-pin cards).
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, true, VOLTAGE_2V5},
    {CONNECTOR_GPIO80, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", "ShapeHSMC_A", C::HsmcDaughterId(0), C::HsmcPrefixName(0), 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5, ""},
    {"ComboBoxHSMC_B", "EditHSMC_B", "ImageHSMC_B", "ShapeHSMC_B", C::HsmcDaughterId(1), C::HsmcPrefixName(1), 0, kit::CardKind::Hsmc, MASTER_HSMC_B, IOSTD_2V5, ""},
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0", C::GpioDaughterId(0), C::GpioPrefixName(0), 1, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1", C::GpioDaughterId(1), C::GpioPrefixName(1), 1, kit::CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
};
constexpr int kGpioHeaders[] = {HARLIN_GPIO_0, HARLIN_GPIO_1};
constexpr int kHsmcPorts[] = {HARLIN_HSMC_A, HARLIN_HSMC_B};
constexpr kit::PrefixRule kPrefixRules[] = {
    {kit::PrefixRuleKind::Gpio, kGpioHeaders},
    {kit::PrefixRuleKind::Hsmc, kHsmcPorts},
};
// The two DDR2 sockets, each with its module's fixed prefix.
constexpr kit::ModuleBinding kModules[] = {
    {C::DDR2(0), kit::CardKind::Ddr2Sodimm, MASTER_DDR2_SODIMM_0, "M1_DDR2_"},
    {C::DDR2(1), kit::CardKind::Ddr2Sodimm, MASTER_DDR2_SODIMM_1, "M2_DDR2_"},
};
constexpr second::GenericHsmcPrefix kGenericHsmcPrefixes[] = {
    {C::HsmcDaughterId(0), C::HsmcPrefixName(0), "HSMA_"},
    {C::HsmcDaughterId(1), C::HsmcPrefixName(1), "HSMB_"},
};
// clang-format on

// Showing a record couples the headers' choices but leaves which combo box is enabled as it was.
constexpr kit::GpioPair kPair{.header0 = HARLIN_GPIO_0,
                              .header1 = HARLIN_GPIO_1,
                              .defaultPair = kit::DefaultPairRule::PrefixRule,
                              .lockOnShow = false};

constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxBoard", C::nBoardType},
    {"ComboBoxPLL_HSMA", C::PllFreq(0)},
    {"ComboBoxPLL_HSMB", C::PllFreq(1)},
    {"ComboBoxPLL_SATA", C::PllFreq(2)},
};

// The programmable PLL's three outputs.
constexpr kit::ChipLists kPll[] = {{C::bExtPLL, C::nPllFreq, kHarlinPllOutputs}};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_HARLIN,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "HARLIN",
    .folder = "HARLIN",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .gpioPair = &kPair,
    .save = kit::SaveAtEnd::InDestructor,
    .successBox = false,
    .loadFailureMessage = true,
    .headOnSave = kit::HeadOnSave::Keep,
    .generateFrom = kit::GenerateFrom::StoredSettings,
    .prefixOnShow = kit::PrefixOnShow::OnlyWhenFound,
    .prefixRules = kPrefixRules,
    .modules = kModules,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .chipLists = kPll,
    .reshowChoice = C::nBoardType,
    .cardRules = {.xcvrStandard = IOSTD_1V4_PCML,
                  .hsmcStandard = IOSTD_1V8,
                  .replaceIoStandard = true,
                  .ioStandard = IOSTD_3V0_PCI_X,
                  .lvdsXcvrRows = true},
};

const char* const kPlacementLine =
    "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Harlin FPGA through HSMC-A Connector.";

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

protected:
    void SetBoardDefaults(SettingsRecord& r) const override {
        for (const ChoiceField& f : C::kChoiceFields)
            r.SetU8(f.offset, static_cast<uint8_t>(f.fallback));
    }

public:
    // A variant or PLL choice outside its list shows and saves its default; the record
    // holds no MAX II flag the form could clear, so a set one is cleared here.
    void FixLoaded(SettingsRecord& r) const override { r.SetU8(C::bMax2, 0); }
    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        second::ApplyGenericHsmcPrefixes(r, kGenericHsmcPrefixes);
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigHarlinPins(&board, r);
    }
    // The other variant changes only the device.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord other = defaults;
        other.SetU8(C::nBoardType, 1);
        return {defaults, other};
    }
    // A transceiver card on HSMC-A loses its fifth lane: warned about, then generated.
    bool ConfirmGenerate(const SettingsRecord& r) const override {
        const std::string warning =
            HarlinPlacementWarning(r.U8(C::HsmcDaughterId(0)), r.U8(C::HsmcDaughterId(1)));
        if (!warning.empty())
            platform::ShowMessage(warning, "Warning", platform::Icon::Warning);
        return true;
    }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r, const std::string&) const override {
        const std::string note = HarlinGenerateNote(r);
        if (note.empty())
            return {};
        return {{note, "Information", static_cast<int>(platform::Icon::Information)}};
    }
};

bool IsSfpOrSata(uint8_t card) {
    return card == DAUGHTER_SFP || card == DAUGHTER_SATA;
}

} // namespace

const kit::BoardLogic& HarlinLogic() {
    static const Logic logic;
    return logic;
}

std::string HarlinPlacementWarning(uint8_t hsmcA, uint8_t hsmcB) {
    if (hsmcA == DAUGHTER_SFP) {
        if (IsSfpOrSata(hsmcB))
            return kPlacementLine;
        return std::string(kPlacementLine) + "\r\n" +
               "Suggest to plug your SFP board in the HSMC-B Connector.";
    }
    if (hsmcA == DAUGHTER_SATA) {
        if (IsSfpOrSata(hsmcB))
            return "4-lane SAS in SATA/SAS board are not connected to Harlin FPGA through HSMC-A Connector.";
        return std::string(kPlacementLine) + "\r\n" +
               "Suggest to plug your SATA/SAS board in the HSMC-B Connector.";
    }
    return std::string();
}

std::string HarlinGenerateNote(const SettingsRecord& r) {
    std::string text;
    if (r.U8(C::DDR2(0)) || r.U8(C::DDR2(1))) {
        text += "===== DDR2 Pinwright warning =====\r\n";
        text += "Please add the DDR2 Controller IP to your Quartus project, follow by\r\n";
        text += "the steps below to prevent any errors from occurring during compilation.\r\n";
        text += "\r\n";
        text += "1). Create correct pin assignment for DDR2.\r\n";
        text += "2). Setup correct parameters in DDR2 controller dialog. \r\n";
        text += "3). Execute TCL files, generated by DDR2 IP, under your Quartus project.\r\n";
        text += "\r\n";
    }
    const bool sata = kit::AnyTicked(r, {C::Sata(0), C::Sata(1), C::Sata(2), C::Sata(3)});
    const bool pcie = r.U8(C::bPCIe) != 0;
    const bool hsmc = IsTransceiverBoard(static_cast<int8_t>(r.U8(C::HsmcDaughterId(0)))) ||
                      IsTransceiverBoard(static_cast<int8_t>(r.U8(C::HsmcDaughterId(1))));
    if (sata || pcie || hsmc) {
        std::string parts;
        for (const auto& [used, part] :
             {std::pair{sata, "SATA"}, std::pair{pcie, "PCIe"}, std::pair{hsmc, "HSMC"}}) {
            if (!used)
                continue;
            if (!parts.empty())
                parts += "//";
            parts += part;
        }
        text += platform::Format("===== %s  Transceiver Pinwright warning =====\r\n", parts.c_str());
        text += "To prevent any errors while compiling your Quartus project, either comment out the\r\n";
        text += "transceiver signals in the top level entity if they are not in use or add the Altera \r\n";
        text += "Transceiver IP to your design.\r\n";
    }
    return text;
}
