#include "ElbrinRules.h"

#include "CONFIG_ELBRIN.h"
#include "boards/kit/VoltageMarks.h"
#include "model/DaughterId.h"
#include "platform/Assert.h"
#include "platform/Platform.h"

#include <utility>

namespace {

using C = ELBRIN_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED", "ShapeLEDG8"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxEEPROM", C::bEEPROM, 1, "ShapeEEPROM"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxSDCARD", C::bSDCARD, 1, "ShapeSDCARD"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxLCD", C::bLCD, 1, "ShapeLCD"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRS232", C::bRS232, 1, "ShapeRS232"},
    {"CheckBoxSRAM", C::bSRAM, 1, "ShapeSRAM"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxUSB", C::bUSB, 1, "ShapeUSB"},
    {"CheckBoxEthernet0", C::Ethernet(0), 1, "ShapeEthernet0"},
    {"CheckBoxEthernet1", C::Ethernet(1), 1, "ShapeEthernet1"},
    {"CheckBoxTvDecode", C::bTvDecoder, 1, "ShapeTvDecode"},
    {"CheckBoxEJTAG", C::bExIo, 1, "ShapeEJTAG"},
};
// In holder order: HSMC at 2.5 V (the settings object), GPIO, HSMC at 3.3 V, 1.8 V, 1.5 V.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, false, VOLTAGE_2V5},
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
    {CONNECTOR_HSMC, false, VOLTAGE_3V3},
    {CONNECTOR_HSMC, false, VOLTAGE_1V8},
    {CONNECTOR_HSMC, false, VOLTAGE_1V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio", "ShapeGpio", C::nGpioDaughterId, C::szGpioPrefixName, 1, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC", C::nHSMCDaughterId, C::szHSMCPrefixName, 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5, ""},
};
// By voltage index.
constexpr int kHsmcListOfVoltage[] = {2, 0, 3, 4};
// The generic GPIO card of each bank voltage away from 3.3 V.
constexpr uint8_t kGpioCardOfVoltage[] = {0, DAUGHTER_GPIO_DEFAULT_2V5, DAUGHTER_GPIO_DEFAULT_1V8, DAUGHTER_GPIO_DEFAULT_1V5};
constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxGpioVol", C::nGpioVoltage},
    {"ComboBoxHsmcVol", C::nHSMCVoltage},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_ELBRIN,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "ELBRIN",
    .folder = "ELBRIN",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .cardRules = {.upperCaseHsmc = true},
};

bool IsVoltage(int32_t v) {
    return v >= 0 && v < 4;
}

std::string Warning(const char* body) {
    return std::string(body) +
           "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.";
}

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    // The GPIO list is chosen only at 3.3 V.
    bool CardEnabled(const kit::FormView& view, int connector) const override {
        return connector == ELBRIN_GPIO ? view.record.I32(C::nGpioVoltage) == 0
                                        : BoardLogic::CardEnabled(view, connector);
    }
    // Away from 3.3 V the record keeps no GPIO card; the prefix stays as the edit shows it.
    void StoreChoices(const kit::FormView& view, SettingsRecord& target) const override {
        BoardLogic::StoreChoices(view, target);
        if (view.record.I32(C::nGpioVoltage) != 0)
            target.SetU8(C::nGpioDaughterId, 0);
    }
    // Away from 3.3 V the GPIO header carries the generic card of its bank's voltage;
    // the generic HSMC card's pins take "HSMC_" for an empty prefix.
    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        const int32_t gpioVoltage = r.I32(C::nGpioVoltage);
        if (gpioVoltage != 0) {
            PW_ASSERT(IsVoltage(gpioVoltage), "0", "UI_ELBRIN", 434);
            r.SetU8(C::nGpioDaughterId, kGpioCardOfVoltage[gpioVoltage]);
        }
        if (r.Text(C::szHSMCPrefixName).empty() && r.U8(C::nHSMCDaughterId) == DAUGHTER_HSMC_DEFAULT)
            r.SetText(C::szHSMCPrefixName, "HSMC_");
    }
    int ListOf(int connector, const SettingsRecord& r) const override {
        return connector == ELBRIN_HSMC ? ElbrinHsmcList(r.I32(C::nHSMCVoltage))
                                        : BoardLogic::ListOf(connector, r);
    }
    std::vector<kit::AttachStep> AttachPlan(const SettingsRecord& r) const override {
        std::vector<kit::AttachStep> steps = BoardLogic::AttachPlan(r);
        for (kit::AttachStep& step : steps)
            if (step.kind == kit::CardKind::Hsmc)
                ElbrinVoltageStandard(r.I32(C::nHSMCVoltage), step.ioStandard);
        return steps;
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigElbrinPins(&board, r);
    }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        std::vector<kit::Notice> notices = BoardLogic::AfterGenerate(r, folder);
        const bool gpio = r.I32(C::nGpioVoltage) != kElbrinDefaultGpioVoltage;
        const bool hsmc = r.I32(C::nHSMCVoltage) != kElbrinDefaultHsmcVoltage;
        std::string text;
        if (gpio && hsmc)
            text = Warning("You have changed the default voltage level of GPIO and HSMC interface. \nPlease "
                           "remember to change the shunt position on JP6 and JP7 accordingly.");
        else if (gpio)
            text = Warning("You have changed the default voltage level of GPIO expansion header. \nPlease "
                           "remember to change the shunt position on JP6 accordingly.");
        else if (hsmc)
            text =
                Warning("You have changed the default voltage level of HSMC interface. \nPlease remember to "
                        "change the shunt position on JP7 accordingly.");
        if (!text.empty())
            notices.push_back({text, "Warning", static_cast<int>(platform::Icon::Warning)});
        return notices;
    }
    // Every voltage of each bank: the defaults, then the other three of each bank in pairs.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants{defaults};
        for (const auto& [gpio, hsmc] : {std::pair{1, 0}, std::pair{2, 2}, std::pair{3, 3}}) {
            variants.push_back(defaults);
            variants.back().SetI32(C::nGpioVoltage, gpio);
            variants.back().SetI32(C::nHSMCVoltage, hsmc);
        }
        return variants;
    }

protected:
    void SetBoardDefaults(SettingsRecord& r) const override {
        for (const ChoiceField& f : C::kChoiceFields)
            r.SetI32(f.offset, f.fallback);
    }
    // The GPIO choice kept to show again at 3.3 V: an item of the GPIO list.
    void SetUpView(kit::FormView& view) const override {
        SetChoice(view, C::nHSMCVoltage, kElbrinDefaultHsmcVoltage);
        SetChoice(view, C::nGpioVoltage, kElbrinDefaultGpioVoltage);
        view.kept[C::nGpioDaughterId] = 0;
        ApplyVoltages(view);
    }
    // The HSMC list is filled again for the voltage shown: no card chosen yet.
    void ShowChoices(const SettingsRecord& r, kit::FormView& view) const override {
        BoardLogic::ShowChoices(r, view);
        SetList(view, ELBRIN_HSMC, ElbrinHsmcList(view.record.I32(C::nHSMCVoltage)));
    }
    // At a start or a load the GPIO choice is kept and the voltages applied (the GPIO list
    // shows "None" away from 3.3 V, the HSMC list is filled again), then the record is
    // shown once more, which puts back the HSMC choice.
    void AfterLoad(kit::FormView& view, SettingsRecord& stored) const override {
        if (const int k = IndexIn(view.lists[ELBRIN_GPIO], stored.U8(C::nGpioDaughterId)); k >= 0)
            view.kept[C::nGpioDaughterId] = k;
        ApplyVoltages(view);
        Show(view, stored);
    }
    void CardChanged(kit::FormView& view, int connector) const override {
        if (connector == ELBRIN_GPIO)
            view.kept[C::nGpioDaughterId] = CardIndex(view, ELBRIN_GPIO);
    }
    // Either voltage clears the HSMC choice; the card pictures stay until the next card change.
    void ItemChosen(kit::FormView& view, SettingsRecord&, std::size_t) const override {
        ApplyVoltages(view);
        Redraw(view);
    }
    // Each bank's voltage mark.
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        kit::ShowVoltageMark(view, kit::kHsmcVoltageMarks, view.record.I32(C::nHSMCVoltage),
                             kElbrinDefaultHsmcVoltage);
        kit::ShowVoltageMark(view, kit::kGpioVoltageMarks, view.record.I32(C::nGpioVoltage),
                             kElbrinDefaultGpioVoltage);
    }

private:
    void ApplyVoltages(kit::FormView& view) const {
        const bool gpio = view.record.I32(C::nGpioVoltage) == 0;
        StoreCard(view.record, ELBRIN_GPIO,
                  CardAt(view, ELBRIN_GPIO, gpio ? view.kept[C::nGpioDaughterId] : 0));
        SetList(view, ELBRIN_HSMC, ElbrinHsmcList(view.record.I32(C::nHSMCVoltage)));
    }
};

} // namespace

const kit::BoardLogic& ElbrinLogic() {
    static const Logic logic;
    return logic;
}

int ElbrinHsmcList(int32_t voltage) {
    return IsVoltage(voltage) ? kHsmcListOfVoltage[voltage] : 0;
}
