#include "NorrikRules.h"

#include "CONFIG_NORRIK.h"
#include "boards/kit/TransceiverWarning.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"

namespace {

using C = NORRIK_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxEEPROM", C::bEEPROM, 1, "ShapeEEPROM"},
    {"CheckBoxSDCARD", C::bSDCARD, 1, "ShapeSDCARD"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxLCD", C::bLCD, 1, "ShapeLCD"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRS232", C::bRS232, 1, "ShapeRS232"},
    {"CheckBoxAccelerometer", C::bAccelerometer, 1, "ShapeAccelerometer"},
    {"CheckBoxSSRAM", C::bSSRAM, 1, "ShapeSSRAM"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxEthernet", C::bEthernet, 1, "ShapeEthernet"},
    {"CheckBoxTvDecode", C::bTvDecoder, 1, "ShapeTvDecode"},
    {"CheckBoxPCIeHardIP", C::bPCIeHardIP, 0, "ShapePCIeHardIP"},
    {"CheckBoxPCIeSoftIP", C::bPCIeSoftIP, 0, "ShapePCIeSoftIP"},
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
    .id = MAINBOARD_NORRIK,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "NORRIK",
    .folder = "NORRIK",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .cardRules = {.upperCaseHsmc = true},
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

protected:
    // The combo boxes go back to kept items after a start or a load: each to its stored
    // card's item where its list holds it, else to the item it kept before. Only the GPIO
    // choice is kept as the user makes it.
    void SetUpView(kit::FormView& view) const override {
        for (const kit::ConnectorBinding& c : kConnectors)
            view.kept[c.idOffset] = 0;
    }
    void AfterLoad(kit::FormView& view, SettingsRecord& stored) const override {
        for (int k : {NORRIK_GPIO, NORRIK_HSMC}) {
            const std::size_t i = static_cast<std::size_t>(k);
            int32_t& kept = view.kept[kConnectors[i].idOffset];
            if (const int item = IndexIn(view.lists[i], CardId(stored, k)); item >= 0)
                kept = item;
            StoreCard(view.record, k, CardAt(view, k, kept));
        }
    }
    void CardChanged(kit::FormView& view, int connector) const override {
        if (connector == NORRIK_GPIO)
            view.kept[C::nGpioDaughterId] = CardIndex(view, NORRIK_GPIO);
    }

public:
    // An empty HSMC prefix becomes "HSMC_" unless the HSMC option is 1 and the card is
    // not the generic one. The form's working record starts zeroed (option 0), so there
    // every empty HSMC prefix takes it.
    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        if (r.Text(C::szHSMCPrefixName).empty() &&
            (r.I32(C::nHSMCOption) != 1 || r.U8(C::nHSMCDaughterId) == DAUGHTER_HSMC_DEFAULT))
            r.SetText(C::szHSMCPrefixName, "HSMC_");
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigNorrikPins(&board, r);
    }
    // The PCIe lanes need the transceiver IP: that note comes before the success box.
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        std::vector<kit::Notice> notices;
        if (r.U8(C::bPCIeHardIP) != 0 || r.U8(C::bPCIeSoftIP) != 0)
            notices.push_back({kit::TransceiverWarning("PCIe"), "Information",
                               static_cast<int>(platform::Icon::Information)});
        const std::vector<kit::Notice> rest = BoardLogic::AfterGenerate(r, folder);
        notices.insert(notices.end(), rest.begin(), rest.end());
        return notices;
    }
};

} // namespace

const kit::BoardLogic& NorrikLogic() {
    static const Logic logic;
    return logic;
}
