#include "VardisRules.h"

#include "CONFIG_VARDIS.h"
#include "boards/latest/HpsWarning.h"
#include "model/DaughterId.h"

namespace {

using C = VARDIS_CONFIG;

// clang-format off
// The HPS side of the picture, outlined together.
constexpr const char* kHpsShapes[] = {
    "ShapeHPS", "ShapeHpsDDR3", "ShapeHpsEthernet", "ShapeHpsSdcard", "ShapeHpsUsb",
    "ShapeHpsUart", "ShapeHpsLTC", "ShapeHpsLCD", "ShapeHpsLedButton",
};
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxHDMI", C::bHDMI, 1, "ShapeHdmi"},
    {"CheckBoxDDR3", C::bDDR3, 1, "ShapeDDR3"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxVideoIn", C::bVideoIn, 1, "ShapeVideoIn"},
    {"CheckBoxADC", C::bADC, 1, "ShapeADC"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxHPS", C::bHPS, 0, nullptr, nullptr, kHpsShapes},
};
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio0", "ShapeGpio", C::nGpioDaughterId[GPIO_0], C::szGpioPrefixName[GPIO_0], 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
};
// Every project of the batch keeps the prefix the user typed.
constexpr kit::BatchPass kBatch[] = {
    {VARDIS_GPIO, 1, "VARDIS_GPIO_%s"},
};
constexpr kit::FlagNote kNotes[] = {
    {C::bHPS, latest::kHpsWarning},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_VARDIS,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "VARDIS",
    .folder = "VARDIS",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .batch = kBatch,
    .notes = kNotes,
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigVardisPins(&board, r);
    }
};

} // namespace

const kit::BoardLogic& VardisLogic() {
    static const Logic logic;
    return logic;
}
