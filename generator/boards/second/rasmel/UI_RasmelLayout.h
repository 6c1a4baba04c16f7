#pragma once
// The stored layout of the Rasmel board form (board 18).

#include "platform/qt/FormLayout.h"

namespace rasmel {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormRasmel", Kind::Form, nullptr, 0, 0, 836, 588, "Rasmel II FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 16, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 60, 416, 300, nullptr},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 8, 400, 284, nullptr, {.transparent = true, .picture = "RASMEL_BOARD"}},
    {"ShapeSfp_A", Kind::Shape, "Panel1", 14, 20, 44, 26, nullptr, kOutline},
    {"ShapeSfp_B", Kind::Shape, "Panel1", 14, 50, 44, 26, nullptr, kOutline},
    {"ShapeSfp_C", Kind::Shape, "Panel1", 14, 80, 44, 26, nullptr, kOutline},
    {"ShapeSfp_D", Kind::Shape, "Panel1", 14, 110, 44, 26, nullptr, kOutline},
    {"ShapeSata_0", Kind::Shape, "Panel1", 14, 150, 44, 22, nullptr, kOutline},
    {"ShapeSata_1", Kind::Shape, "Panel1", 14, 178, 44, 22, nullptr, kOutline},
    {"ShapeSi570", Kind::Shape, "Panel1", 66, 20, 32, 22, nullptr, kOutline},
    {"ShapeCdcm61004", Kind::Shape, "Panel1", 66, 48, 32, 22, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "Panel1", 66, 150, 32, 22, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "Panel1", 110, 20, 208, 26, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 110, 200, 60, 30, nullptr, kOutline},
    {"ShapeSSRAM", Kind::Shape, "Panel1", 176, 200, 60, 30, nullptr, kOutline},
    {"ShapePCIe", Kind::Shape, "Panel1", 110, 250, 208, 24, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "Panel1", 330, 20, 24, 20, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "Panel1", 362, 20, 24, 20, nullptr, kOutline},
    {"ShapeFan", Kind::Shape, "Panel1", 330, 50, 56, 24, nullptr, kOutline},
    {"ShapeRs422", Kind::Shape, "Panel1", 330, 84, 60, 24, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 330, 116, 60, 14, nullptr, kOutline},
    {"ShapeBracketLED", Kind::Shape, "Panel1", 330, 136, 60, 14, nullptr, kOutline},
    {"ShapeRJ45LED", Kind::Shape, "Panel1", 330, 156, 60, 14, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 330, 180, 60, 20, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 330, 208, 60, 20, nullptr, kOutline},
    {"GroupBoxOscillator", Kind::GroupBox, nullptr, 8, 366, 416, 150, "Programmable Oscillator", {.fontPx = 13}},
    {"LabelSi570", Kind::Label, "GroupBoxOscillator", 10, 31, 86, 20, "Si570"},
    {"LabelSi570Clock", Kind::Label, "GroupBoxOscillator", 98, 31, 150, 20, "SFP_REFCLK_p/n:"},
    {"ComboBoxSi570", Kind::ComboBox, "GroupBoxOscillator", 250, 28, 110, 26, nullptr, kHand},
    {"LabelSi570MHz", Kind::Label, "GroupBoxOscillator", 366, 31, 40, 20, "MHz"},
    {"LabelCdcm61004", Kind::Label, "GroupBoxOscillator", 10, 92, 86, 20, "CDCM61004"},
    {"LabelCdcm61004Sata", Kind::Label, "GroupBoxOscillator", 98, 66, 150, 20, "SATA_REFCLK_p/n:"},
    {"LabelCdcm61004Sfp", Kind::Label, "GroupBoxOscillator", 98, 92, 150, 20, "SFP1G_REFCLK_p/n:"},
    {"LabelCdcm61004Hsmc", Kind::Label, "GroupBoxOscillator", 98, 118, 150, 20, "HSMC_REFCLK_p/n:"},
    {"ComboBoxCdcm61004", Kind::ComboBox, "GroupBoxOscillator", 250, 89, 110, 26, nullptr, kHand},
    {"LabelCdcm61004MHz", Kind::Label, "GroupBoxOscillator", 366, 92, 40, 20, "MHz"},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 396, 320, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 12, 28, 118, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 132, 24, 250, 26, nullptr, {.maxLength = 127}},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 12, 62, 180, 24, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 12, 90, 180, 24, "LED x  10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 12, 118, 180, 24, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 12, 146, 180, 24, "Switch x 4", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 12, 174, 180, 24, "Temperature", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 12, 202, 180, 24, "Fan Control", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 12, 230, 180, 24, "Flash (256MB)", kHand},
    {"CheckBoxSSRAM", Kind::CheckBox, "GroupBox1", 12, 258, 180, 24, "SSRAM", kHand},
    {"CheckBoxRs422", Kind::CheckBox, "GroupBox1", 12, 286, 180, 24, "RS-422", kHand},
    {"CheckBoxSata_0", Kind::CheckBox, "GroupBox1", 200, 62, 186, 24, "Sata Host", kHand},
    {"CheckBoxSata_1", Kind::CheckBox, "GroupBox1", 200, 90, 186, 24, "Sata Device", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 200, 118, 186, 24, "SMA", kHand},
    {"CheckBoxSfpA", Kind::CheckBox, "GroupBox1", 200, 146, 186, 24, "SFP+ A", kHand},
    {"CheckBoxSfpB", Kind::CheckBox, "GroupBox1", 200, 174, 186, 24, "SFP+ B", kHand},
    {"CheckBoxSfpC", Kind::CheckBox, "GroupBox1", 200, 202, 186, 24, "SFP+ C", kHand},
    {"CheckBoxSfpD", Kind::CheckBox, "GroupBox1", 200, 230, 186, 24, "SFP+ D", kHand},
    {"CheckBoxPCIe", Kind::CheckBox, "GroupBox1", 200, 258, 186, 24, "PCIe", kHand},
    {"GroupBoxHSMC", Kind::GroupBox, nullptr, 432, 336, 396, 120, "HSMC Expansion"},
    {"LabelHSMC_A", Kind::Label, "GroupBoxHSMC", 12, 24, 280, 20, "HSMC (Transceiver x 8)", {.bold = true}},
    {"LabelPrefixHSMC_A", Kind::Label, "GroupBoxHSMC", 12, 52, 108, 20, "Prefix Name:"},
    {"EditHSMC_A", Kind::Edit, "GroupBoxHSMC", 122, 48, 172, 26, nullptr},
    {"ComboBoxHSMC_A", Kind::ComboBox, "GroupBoxHSMC", 12, 82, 282, 26, nullptr, kHand},
    {"ImageHSMC_A", Kind::Picture, "GroupBoxHSMC", 304, 24, 80, 80, nullptr, {.transparent = true}},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 432, 466, 190, 32, "Default Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 632, 466, 190, 32, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 432, 506, 190, 32, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 632, 506, 190, 32, "Generate...", kHand},
    {"ButtonExit", Kind::Button, nullptr, 632, 546, 190, 32, "Exit", kHand},
};
// clang-format on

} // namespace rasmel
