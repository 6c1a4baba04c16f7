#include "TavrinRules.h"

#include "CONFIG_TAVRIN.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace {

using C = TAVRIN_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxSeg7", C::bSeg7, 1}, // its outline follows the GPIO choice too
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSDCARD", C::bSDCARD, 1, "ShapeSDCARD"},
    {"CheckBoxHDMI_TX", C::bHDMI_TX, 1, "ShapeHDMI_TX"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxSRAM", C::bSRAM, 1, "ShapeSRAM"},
    {"CheckBoxLPDDR2", C::bLPDDR2, 1, "ShapeLPDDR2"},
    {"CheckBoxUart2USB", C::bUart2USB, 1, "ShapeUart2USB"},
    {"CheckBoxADC", C::bADC, 1, "ShapeADC"},
    {"CheckBoxSi5338_I2C", C::bSi5338_I2C, 0, "ShapeSi5338_I2C"},
    {"CheckBoxXcvrSma", C::bXcvrSma, 0, "ShapeXcvrSma", "ShapeXcvrSma2"},
};
// The settings object's list is the HSMC list, the second holder's the GPIO list.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, true, VOLTAGE_2V5},
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio", "ShapeGpio", C::nGpioDaughterId, C::szGpioPrefixName, 1, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC", C::nHsmcDaughterId, C::szHSMCPrefixName, 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5, ""},
};
constexpr kit::BatchPass kBatch[] = {
    {TAVRIN_HSMC, 0, "TAVRIN_HSMC_%s"},
    {TAVRIN_GPIO, 1, "TAVRIN_GPIO_%s"},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_TAVRIN,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "TAVRIN",
    .folder = "TAVRIN",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .batch = kBatch,
    .cardRules = {.upperCaseHsmc = true},
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

protected:
    // The digits the GPIO card leaves: the outline and the box's caption.
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        const uint8_t card = CardId(view.record, TAVRIN_GPIO);
        const bool four = IsSeg7FourDigits(card);
        const bool ticked = view.record.U8(C::bSeg7) != 0;
        view.shown["ShapeSeg7"] = four && ticked;
        view.shown["ShapeSeg7_x2"] = !four && ticked;
        view.shown["ShapeArduino_0"] = false;
        view.shown["ShapeArduino_1"] = false;
        view.captions["CheckBoxSeg7"] = Seg7Caption(card);
    }
    void DrawPictures(kit::FormView& view) const override {
        BoardLogic::DrawPictures(view);
        view.pictures["ImageHex"] = kit::Picture{Seg7Picture(CardId(view.record, TAVRIN_GPIO)), {}};
    }

public:
    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        const uint8_t hsmc = r.U8(C::nHsmcDaughterId);
        if ((hsmc == DAUGHTER_HSMC_DEFAULT || hsmc == DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER) &&
            r.Text(C::szHSMCPrefixName).empty())
            r.SetText(C::szHSMCPrefixName, "HSMC_");
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigTavrinPins(&board, r);
    }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        std::vector<kit::Notice> notices = BoardLogic::AfterGenerate(r, folder);
        if (r.U8(C::nGpioDaughterId) > 0)
            notices.push_back(
                {std::string("Please note that the 2x20 GPIO header share FPGA pins with HEX2/HEX3.\r\n") +
                     "Before you use the GPIO header, be sure to follow the procedures listed\r\n" +
                     "below to avoid any hardware damage.\r\n" + "1. Erase the default code.\r\n" +
                     "2. Switch the S1/S2 dip switch to the OFF position.\r\n",
                 "Information", static_cast<int>(platform::Icon::Information)});
        return notices;
    }
};

} // namespace

const kit::BoardLogic& TavrinLogic() {
    static const Logic logic;
    return logic;
}

bool IsSeg7FourDigits(uint8_t gpioCard) {
    return gpioCard == 0;
}

std::string Seg7Caption(uint8_t gpioCard) {
    return platform::Format("7-Segment x %d", IsSeg7FourDigits(gpioCard) ? 4 : 2);
}

const char* Seg7Picture(uint8_t gpioCard) {
    return IsSeg7FourDigits(gpioCard) ? "TAVRIN_HEX_x4_BITMAP" : "TAVRIN_HEX_x2_BITMAP";
}
