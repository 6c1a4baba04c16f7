#include "MirvoRules.h"

#include "CONFIG_MIRVO.h"
#include "model/DaughterId.h"

namespace {

using C = MIRVO_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxEEPROM", C::bEEPROM, 1, "ShapeEEPROM"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxSDCARD", C::bSDCARD, 1, "ShapeSDCARD"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRS232", C::bRS232, 1, "ShapeRS232"},
    {"CheckBoxSRAM", C::bSRAM, 1, "ShapeSRAM"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxEthernet", C::bEthernet, 1, "ShapeEthernet"},
    {"CheckBoxLCD", C::bLCD, 0, "ShapeLCD"},
};
// In holder order: HSMC (the settings object), GPIO.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, false, VOLTAGE_2V5},
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio", "ShapeGpio", C::nGpioDaughterId, C::szGpioPrefixName, 1, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC", C::nHSMCDaughterId, C::szHSMCPrefixName, 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5, ""},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_MIRVO,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "MIRVO",
    .folder = "MIRVO",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .cardRules = {.upperCaseHsmc = true},
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    // The generic HSMC card's pins take "HSMC_" for an empty prefix; the GPIO card none.
    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        if (r.U8(C::nHSMCDaughterId) == DAUGHTER_HSMC_DEFAULT && r.Text(C::szHSMCPrefixName).empty())
            r.SetText(C::szHSMCPrefixName, "HSMC_");
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigMirvoPins(&board, r);
    }
    // The board data places HEX0_DP and FL_DQ[7] both at AF12, so a project with the
    // 7-segment digits and the flash is refused: the cards are also tried without the flash.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants{defaults, defaults};
        variants.back().SetU8(C::bFlash, 0);
        return variants;
    }
};

} // namespace

const kit::BoardLogic& MirvoLogic() {
    static const Logic logic;
    return logic;
}
