#include "BostelRules.h"

#include "CONFIG_BOSTEL.h"
#include "model/DaughterId.h"

#include <cstdint>

namespace {

using C = BOSTEL_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxHex", C::bHex, 1, "ShapeHex"},
    {"CheckBoxPowerMonitor", C::bPowerMonitor, 1, "ShapePowerMonitor"},
    {"CheckBoxGSensor", C::bGSensor, 1, "ShapeGsensor"},
    {"CheckBoxHumiditySensor", C::bHumiditySensor, 1, "ShapeHumiditySensor"},
    {"CheckBoxLightSensor", C::bLightSensor, 1, "ShapeLightSensor"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxHdmiRx", C::bHdmiRx, 1, "ShapeHdmiRx"},
    {"CheckBoxSdCard", C::bSdCard, 1, "ShapeSdCard"},
    {"CheckBoxQspiFlash", C::bQspiFlash, 1, "ShapeQspiFlash"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxDDR3", C::bDDR3, 0, "ShapeDDR3"},
    {"CheckBoxUart2Usb", C::bUart2Usb, 1, "ShapeUart2Usb"},
    {"CheckBoxEthernet", C::bEthernet, 0, "ShapeEthernet"},
    {"CheckBoxDAC", C::bDAC, 1, "ShapeDAC"},
    {"CheckBoxMIPI", C::bMIPI, 0, "ShapeMIPI"},
    {"CheckBoxDrovik2", C::bDrovik2, 0, "ShapeDrovik2"},
};
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_MOXEN_2x6, false, VOLTAGE_2V5},
};
// The header's pins keep "3.3-V LVTTL", whatever the card gives.
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxMoxen", "EditPrefixMoxen", "ImageGpio0", "ShapeMoxen", C::nMoxenDaughterId, C::szMoxenPrefixName, 0, kit::CardKind::Moxen, MASTER_MOXEN, IOSTD_3V3_LVTTL, "", 0, 4},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_BOSTEL,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "MAX10",
    .folder = "MAX10",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .batchWithoutPasses = true,
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    // The card field is 32 bits wide, the combo box and the attach read its low byte:
    // a value beyond a card id (only a file written elsewhere holds one) means none.
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigBostelPins(&board, r);
    }
    // The defaults, and every peripheral ticked.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord all = defaults;
        for (const kit::FlagBinding& f : kFlags)
            all.SetU8(f.offset, 1);
        return {defaults, all};
    }

protected:
    // No control shows the byte; the defaults set it all the same.
    void SetBoardDefaults(SettingsRecord& r) const override { r.SetU8(C::reserved, 1); }
};

} // namespace

const kit::BoardLogic& BostelLogic() {
    static const Logic logic;
    return logic;
}
