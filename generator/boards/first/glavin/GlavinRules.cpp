#include "GlavinRules.h"

#include "CONFIG_GLAVIN.h"
#include "boards/kit/PinTableLogic.h"
#include "model/DaughterId.h"

namespace {

using C = GLAVIN_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeDDR"},
    {"CheckBoxFlashSSRAM", C::bFlashSSRAM, 1, "ShapeFlash", "ShapeSSRAM"},
};
constexpr kit::CardListSpec kLists[] = {{CONNECTOR_HSMC, false, VOLTAGE_2V5}};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC", C::nHSMCDaughterId, C::szHSMCPrefixName, 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_3V3_LVTTL},
};
// clang-format on

// The older shape, with the form's own copy of the HSMC attach step.
constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_GLAVIN,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Glavin",
    .folder = "Glavin",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::GlavinForm,
    .save = kit::SaveAtEnd::InDestructor,
    .successBox = false,
};

} // namespace

const kit::BoardLogic& GlavinLogic() {
    static const kit::PinTableLogic logic(kSpec, &ConfigGlavinPins);
    return logic;
}
