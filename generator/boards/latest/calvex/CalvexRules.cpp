#include "CalvexRules.h"

#include "CONFIG_CALVEX.h"
#include "boards/kit/SettingsBoardLogic.h"
#include "boards/latest/ClockBoardTexts.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"
#include "settings/DaughterList.h"

#include <algorithm>

namespace {

using C = TConfigCalvex::CALVEX_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxPower", C::bPower, 1, "ShapePower"},
    {"CheckBoxDDR3", C::bDDR3, 0, "ShapeDDR3"},
    {"CheckBoxPCIe", C::bPcie, 0, "ShapePCIe"},
    {"CheckBoxSataHost", C::bSataHost, 0, "ShapeSataHost"},
    {"CheckBoxSataDevice", C::bSataDevice, 0, "ShapeSataDevice"},
    {"CheckBoxUart2Usb", C::bUart2Usb, 1, "ShapeUart2Usb"},
    {"CheckBoxSdcard", C::bSdCard, 1, "ShapeSdcard"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxSSRAM", C::bSSRAM, 1, "ShapeSSRAM"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxExtCdcmPLL", C::bCdcmPll, 0, "ShapeCDCM6208"},
    {"CheckBoxExtLmkPLL", C::bLmkPll, 0, "ShapeLMK04906"},
};
// The settings object's list is the GPIO list; the other two serve the FMC ports.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
    {CONNECTOR_FMC_HPC, true, VOLTAGE_2V5},
    {CONNECTOR_FMC_LPC, true, VOLTAGE_2V5},
};
constexpr int kGpioList = 0;
constexpr int kHpcList = 1;
constexpr int kLpcList = 2;
// Ports A and D are HPC ports, B and C LPC ports. No port gives its cards a default prefix.
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxFmc_A", "EditFmc_A", "ImageFmc_A", "ShapeFmc_A", C::nFmcDaughterId + 0, C::szFMCPrefixName + 0 * C::PrefixNameBytes, kHpcList, kit::CardKind::Fmc, MASTER_FMC_A, IOSTD_3V3_LVTTL},
    {"ComboBoxFmc_B", "EditFmc_B", "ImageFmc_B", "ShapeFmc_B", C::nFmcDaughterId + 1, C::szFMCPrefixName + 1 * C::PrefixNameBytes, kLpcList, kit::CardKind::Fmc, MASTER_FMC_B, IOSTD_3V3_LVTTL},
    {"ComboBoxFmc_C", "EditFmc_C", "ImageFmc_C", "ShapeFmc_C", C::nFmcDaughterId + 2, C::szFMCPrefixName + 2 * C::PrefixNameBytes, kLpcList, kit::CardKind::Fmc, MASTER_FMC_C, IOSTD_3V3_LVTTL},
    {"ComboBoxFmc_D", "EditFmc_D", "ImageFmc_D", "ShapeFmc_D", C::nFmcDaughterId + 3, C::szFMCPrefixName + 3 * C::PrefixNameBytes, kHpcList, kit::CardKind::Fmc, MASTER_FMC_D, IOSTD_3V3_LVTTL},
    {"ComboBoxGpio", "EditGpio", "ImageGpio", "ShapeGpio", C::nGpioDaughterId, C::szGpioPrefixName, kGpioList, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_2V5},
};

constexpr const char* kFmcRefClockItems[] = {"Disable", "100.0", "125.0", "150.0"};
constexpr const char* kSataRefClockItems[] = {"Disable", "150.0"};
constexpr const char* kPcieRefClockItems[] = {"Disable", "100.0"};
constexpr const char* kDdr3RefClockItems[] = {"Disable", "133.333"};
constexpr CalvexClockList kCdcmLists[] = {
    {"ComboBoxPLL_FMCA", C::nCdcm6208 + 0, kFmcRefClockItems},
    {"ComboBoxPLL_FMCD", C::nCdcm6208 + 1, kFmcRefClockItems},
    {"ComboBoxPLL_SATA_HOST", C::nCdcm6208 + 2, kSataRefClockItems},
    {"ComboBoxPLL_SATA_DEVICE", C::nCdcm6208 + 3, kSataRefClockItems},
    {"ComboBoxPLL_PCIE", C::nCdcm6208 + 4, kPcieRefClockItems},
    {"ComboBoxPLL_DDR3", C::nCdcm6208 + 5, kDdr3RefClockItems},
};
constexpr const char* kLmkItems[] = {"Disable", "322.265625", "644.53125"};
constexpr CalvexClockList kLmkLists[] = {
    {"ComboBoxPLL_FMCA_PLUS", C::nLmk04906 + 0, kLmkItems},
    {"ComboBoxPLL_FMCB_PLUS", C::nLmk04906 + 1, kLmkItems},
    {"ComboBoxPLL_FMCC_PLUS", C::nLmk04906 + 2, kLmkItems},
    {"ComboBoxPLL_FMCD_PLUS", C::nLmk04906 + 3, kLmkItems},
};
constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxBoard", C::nBoardType},
    {"ComboBoxPLL_FMCA", C::nCdcm6208 + 0},
    {"ComboBoxPLL_FMCD", C::nCdcm6208 + 1},
    {"ComboBoxPLL_SATA_HOST", C::nCdcm6208 + 2},
    {"ComboBoxPLL_SATA_DEVICE", C::nCdcm6208 + 3},
    {"ComboBoxPLL_PCIE", C::nCdcm6208 + 4},
    {"ComboBoxPLL_DDR3", C::nCdcm6208 + 5},
    {"ComboBoxPLL_FMCA_PLUS", C::nLmk04906 + 0},
    {"ComboBoxPLL_FMCB_PLUS", C::nLmk04906 + 1},
    {"ComboBoxPLL_FMCC_PLUS", C::nLmk04906 + 2},
    {"ComboBoxPLL_FMCD_PLUS", C::nLmk04906 + 3},
};
constexpr int kFmcPorts[] = {0, 1, 2, 3};
constexpr kit::PrefixRule kPrefixRules[] = {
    {kit::PrefixRuleKind::Fmc, kFmcPorts},
};
// After the cards: the module in the DDR3 socket.
constexpr kit::ModuleBinding kModules[] = {
    {C::bDDR3, kit::CardKind::Ddr3Sodimm, MASTER_DDR3_SODIMM_A, "DDR3_"},
};
constexpr uint8_t kCdcmDefaults[] = {2, 2, 1, 1, 0, 1};
constexpr uint8_t kLmkDefaults[] = {2, 2, 2, 2};
// clang-format on

// Each clock chip's lists, chosen while its box is ticked ("Disable" while it is not).
constexpr kit::ChipLists kChips[] = {
    {C::bCdcmPll, C::nCdcm6208, std::size(kCdcmLists)},
    {C::bLmkPll, C::nLmk04906, std::size(kLmkLists)},
};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_CALVEX,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "CALVEX",
    .folder = "CALVEX",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::BoardModel,
    .loadFailureMessage = true,
    // The head keeps what the record held; a port whose stored card its list lacks keeps its choice.
    .headOnSave = kit::HeadOnSave::Keep,
    .generateFrom = kit::GenerateFrom::Settings,
    .prefixOnShow = kit::PrefixOnShow::OnlyWhenFound,
    .prefixRules = kPrefixRules,
    .modules = kModules,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .chipLists = kChips,
    .cardRules = {.replaceIoStandard = true, .ioStandard = IOSTD_2V5},
};

class Logic final : public kit::SettingsBoardLogic<TConfigCalvex, ConfigCalvexPins> {
public:
    Logic() : SettingsBoardLogic(kSpec) {}

    bool ConfirmSettings(const SettingsRecord& r) const override {
        const bool cdcm = r.U8(C::bCdcmPll) != 0;
        if (r.U8(C::bDDR3) && (!cdcm || r.U8(C::nCdcm6208 + 5) == 0) &&
            platform::ShowMessage(
                "DDR3 is enabled but the associated referece clock is not configured.\r\n"
                "Please check the CDCM PLL and enable DDR3 reference clcok before you proceed to "
                "the next step.\r\n"
                "Do you want to continue?",
                "Warning", platform::Icon::Warning, platform::Buttons::YesNo) != platform::Button::Yes)
            return false;
        // Unticked, the lists show "Disable".
        const uint8_t fmcA = cdcm ? r.U8(C::nCdcm6208 + 0) : 0;
        const uint8_t fmcD = cdcm ? r.U8(C::nCdcm6208 + 1) : 0;
        if (fmcA != fmcD && fmcA != 0) {
            platform::ShowMessage(
                "Due to the limitation of CDCM6208,\r\n"
                "the clock frequency of FMCA_REFCLK_0 and FMCD_REFCLK_0 must be the same..\r\n",
                "Warning", platform::Icon::Warning);
            return false;
        }
        return true;
    }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        return kit::NoteThenSuccess(CalvexNotes(r), folder);
    }
    // Everything ticked, both clock chips with every output their FMC reference clocks
    // can share (two outputs of one FMC clock bus would give one port name twice).
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord all = defaults;
        for (const kit::FlagBinding& f : kFlags)
            all.SetU8(f.offset, 1);
        const uint8_t cdcm[] = {0, 0, 1, 1, 1, 1};
        const uint8_t lmk[] = {1, 2, 1, 2};
        for (int i = 0; i < 6; ++i)
            all.SetU8(C::nCdcm6208 + static_cast<std::size_t>(i), cdcm[i]);
        for (int i = 0; i < 4; ++i)
            all.SetU8(C::nLmk04906 + static_cast<std::size_t>(i), lmk[i]);
        return {defaults, all};
    }

protected:
    void SetBoardDefaults(SettingsRecord& r) const override {
        for (std::size_t i = 0; i < std::size(kCdcmDefaults); ++i)
            r.SetU8(C::nCdcm6208 + i, kCdcmDefaults[i]);
        for (std::size_t i = 0; i < std::size(kLmkDefaults); ++i)
            r.SetU8(C::nLmk04906 + i, kLmkDefaults[i]);
    }
};

} // namespace

const kit::BoardLogic& CalvexLogic() {
    static const Logic logic;
    return logic;
}

std::span<const CalvexClockList> CalvexCdcmLists() {
    return kCdcmLists;
}

std::span<const CalvexClockList> CalvexLmkLists() {
    return kLmkLists;
}

std::string CalvexNotes(const SettingsRecord& r) {
    std::string notes;
    if (r.U8(C::bDDR3))
        notes += MemoryNote("DDR3");
    std::string transceivers;
    if (r.U8(C::bPcie))
        JoinName(transceivers, "PCIe");
    if (r.U8(C::bSataHost))
        JoinName(transceivers, "Sata-Host");
    if (r.U8(C::bSataDevice))
        JoinName(transceivers, "Sata-Device");
    if (!transceivers.empty())
        notes += TransceiverNote(transceivers, true);
    return notes;
}
