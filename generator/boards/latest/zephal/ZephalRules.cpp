#include "ZephalRules.h"

#include "CONFIG_ZEPHAL.h"
#include "platform/Text.h"

#include <iterator>

namespace {

using C = ZEPHAL_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxLightSensor", C::bLightSensor, 1, "ShapeLightSensor"},
    {"CheckBoxPowerMonitor", C::bPowerMonitor, 1, "ShapePowerMonitor"},
    {"CheckBoxHdmiTx", C::bHdmiTx, 1, "ShapeHdmiTx"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxEthernet", C::bEthernet, 1, "ShapeEthernet"},
    {"CheckBoxDDR3", C::bDDR3, 0, "ShapeDDR3"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxCapButton", C::bCapButton, 1, "ShapeCapButton"},
    {"CheckBoxHumiditySensor", C::bHumiditySensor, 1, "ShapeHumiditySensor"},
    {"CheckBoxTempSensor", C::bTempSensor, 1, "ShapeTempSensor"},
    {"CheckBoxUsb", C::bUSB, 1, "ShapeUsb"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxSdCard", C::bSdCard, 1, "ShapeSdCard"},
    {"CheckBoxGSensor", C::bGSensor, 1, "ShapeGsensor"},
    {"CheckBoxMIPI", C::bMIPI, 0, "ShapeMIPI"},
    {"CheckBoxSmaADC", C::bSmaADC, 0, "ShapeSMA_ADC"}, // hidden
};
// clang-format on

constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxBBB", C::nBbbMode},
    {"ComboBoxBoardRev", C::nBoardRevision},
};
constexpr kit::TextBinding kTexts[] = {{"EditPrefixBBB", C::szBbbPrefixName}};

// The board has no card connector: the header's pins come from its mode.
constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_ZEPHAL,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "ZEPHAL",
    .folder = "ZEPHAL",
    .flags = kFlags,
    .lists = {},
    .connectors = {},
    .attachShape = kit::AttachShape::FormRoutine,
    .batchWithoutPasses = true,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .texts = kTexts,
};

constexpr int kModes = static_cast<int>(std::size(kZephalBbbModes));
constexpr int32_t kRevisions = static_cast<int32_t>(std::size(kZephalRevisions));
static_assert(C::kChoiceFields[0].count == kModes && C::kChoiceFields[1].count == kRevisions);
static_assert(C::kChoiceFields[1].fallback == kZephalRevisionC);

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigZephalPins(&board, r);
    }
    // Every mode on every revision, with every peripheral ticked.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants;
        for (int32_t revision = 0; revision < kRevisions; ++revision)
            for (int mode = 0; mode < kModes; ++mode) {
                SettingsRecord r = defaults;
                for (const kit::FlagBinding& f : kFlags)
                    r.SetU8(f.offset, 1);
                r.SetI32(C::nBoardRevision, revision);
                r.SetU8(C::nBbbMode, static_cast<uint8_t>(mode));
                variants.push_back(r);
            }
        return variants;
    }

    // Whatever default.cfg held: revision C, and the SMA ADC box clear. A later Load
    // Setting takes both from its file.
    void PrepareStart(SettingsRecord& r) const override {
        r.SetI32(C::nBoardRevision, kZephalRevisionC);
        r.SetU8(C::bSmaADC, 0);
    }

protected:
    void SetBoardDefaults(SettingsRecord& r) const override { r.SetI32(C::nBoardRevision, kZephalRevisionC); }
    // The header's prefix shows while a mode is chosen, as a card's does.
    void ShowChoices(const SettingsRecord& r, kit::FormView& view) const override {
        BoardLogic::ShowChoices(r, view);
        view.record.SetText(C::szBbbPrefixName, view.record.U8(C::nBbbMode) > 0
                                                    ? platform::ReencodeUtf8(r.Text(C::szBbbPrefixName))
                                                    : "");
    }
    // Another mode shows its picture and outlines.
    void ItemChosen(kit::FormView& view, SettingsRecord&, std::size_t offset) const override {
        if (offset == C::nBbbMode)
            Refresh(view);
    }
    // The header's outlines while a mode is chosen, and the mode's card picture.
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        const bool header = view.record.U8(C::nBbbMode) > 0;
        view.shown["ShapeBBB_P8"] = header;
        view.shown["ShapeBBB_P9"] = header;
    }
    void DrawPictures(kit::FormView& view) const override {
        BoardLogic::DrawPictures(view);
        const int mode = view.record.U8(C::nBbbMode);
        ShowCardPicture(view, "ImageBBB", mode < kModes ? kZephalBbbModes[mode].pictureId : 0);
    }
};

} // namespace

const kit::BoardLogic& ZephalLogic() {
    static const Logic logic;
    return logic;
}
