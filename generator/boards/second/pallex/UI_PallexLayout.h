#pragma once
// The stored layout of the Pallex board form (board 16).

#include "platform/qt/FormLayout.h"

namespace pallex {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915; // red 235, green 233, blue 237
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kDotted{.penColor = kYellow, .penWidth = 2, .penStyle = PenStyle::Dotted};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormPallex", Kind::Form, nullptr, 0, 0, 831, 580, "Pallex", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 16, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 60, 416, 250, nullptr},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 8, 400, 234, nullptr, {.transparent = true, .picture = "PALLEX_BOARD"}},
    {"ShapeSfp_A", Kind::Shape, "Panel1", 14, 40, 40, 32, nullptr, kOutline},
    {"ShapeSfp_B", Kind::Shape, "Panel1", 14, 76, 40, 32, nullptr, kOutline},
    {"ShapeSfp_C", Kind::Shape, "Panel1", 14, 112, 40, 32, nullptr, kOutline},
    {"ShapeSfp_D", Kind::Shape, "Panel1", 14, 148, 40, 32, nullptr, kOutline},
    {"ShapeRJ45LED", Kind::Shape, "Panel1", 14, 188, 40, 14, nullptr, kOutline},
    {"ShapeQDRII_A", Kind::Shape, "Panel1", 62, 40, 88, 28, nullptr, kOutline},
    {"ShapeQDRII_B", Kind::Shape, "Panel1", 62, 72, 88, 28, nullptr, kOutline},
    {"ShapeQDRII_C", Kind::Shape, "Panel1", 62, 112, 88, 28, nullptr, kOutline},
    {"ShapeQDRII_D", Kind::Shape, "Panel1", 62, 144, 88, 28, nullptr, kOutline},
    {"ShapeSi570", Kind::Shape, "Panel1", 158, 40, 30, 22, nullptr, kDotted},
    {"ShapeCdcm61001", Kind::Shape, "Panel1", 194, 40, 30, 22, nullptr, kDotted},
    {"ShapeCdcm61004", Kind::Shape, "Panel1", 230, 40, 30, 22, nullptr, kDotted},
    {"ShapeOSC", Kind::Shape, "Panel1", 268, 40, 20, 20, nullptr, kDotted},
    {"ShapeDDR3_0", Kind::Shape, "Panel1", 300, 40, 100, 20, nullptr, kOutline},
    {"ShapeDDR3_1", Kind::Shape, "Panel1", 300, 64, 100, 20, nullptr, kOutline},
    {"ShapeSata_0", Kind::Shape, "Panel1", 158, 70, 22, 20, nullptr, kOutline},
    {"ShapeSata_1", Kind::Shape, "Panel1", 184, 70, 22, 20, nullptr, kOutline},
    {"ShapeSata_2", Kind::Shape, "Panel1", 210, 70, 22, 20, nullptr, kOutline},
    {"ShapeSata_3", Kind::Shape, "Panel1", 236, 70, 22, 20, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "Panel1", 268, 70, 20, 20, nullptr, kDotted},
    {"ShapeFlash", Kind::Shape, "Panel1", 300, 92, 44, 28, nullptr, kOutline},
    {"ShapeFan", Kind::Shape, "Panel1", 352, 92, 44, 28, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 300, 128, 96, 12, nullptr, kOutline},
    {"ShapeBracketLED", Kind::Shape, "Panel1", 300, 144, 96, 12, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 262, 162, 32, 22, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 300, 162, 60, 26, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 366, 162, 30, 26, nullptr, kOutline},
    {"ShapePCIe", Kind::Shape, "Panel1", 128, 212, 160, 20, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "Panel1", 296, 212, 30, 18, nullptr, kOutline},
    {"ShapeRs422", Kind::Shape, "Panel1", 336, 212, 60, 18, nullptr, kOutline},
    {"GroupBoxOscillator", Kind::GroupBox, nullptr, 8, 318, 416, 228, "Programmable Oscillator"},
    {"LabelSi570", Kind::Label, "GroupBoxOscillator", 10, 28, 104, 20, "Si570"},
    {"ComboBoxSi570", Kind::ComboBox, "GroupBoxOscillator", 118, 24, 130, 26, nullptr, kHand},
    {"LabelSi570MHz", Kind::Label, "GroupBoxOscillator", 254, 28, 40, 20, "MHz"},
    {"LabelSi570Clock", Kind::Label, "GroupBoxOscillator", 24, 54, 380, 20, "SFP_REFCLK_p/n:"},
    {"LabelCdcm61001", Kind::Label, "GroupBoxOscillator", 10, 88, 104, 20, "CDCM61001"},
    {"ComboBoxCdcm61001", Kind::ComboBox, "GroupBoxOscillator", 118, 84, 130, 26, nullptr, kHand},
    {"LabelCdcm61001MHz", Kind::Label, "GroupBoxOscillator", 254, 88, 40, 20, "MHz"},
    {"LabelCdcm61001Clock", Kind::Label, "GroupBoxOscillator", 24, 114, 380, 20, "SFP1G_REFCLK_p/n:"},
    {"LabelCdcm61004", Kind::Label, "GroupBoxOscillator", 10, 148, 104, 20, "CDCM61004"},
    {"ComboBoxCdcm61004", Kind::ComboBox, "GroupBoxOscillator", 118, 144, 130, 26, nullptr, kHand},
    {"LabelCdcm61004MHz", Kind::Label, "GroupBoxOscillator", 254, 148, 40, 20, "MHz"},
    {"LabelCdcm61004Host", Kind::Label, "GroupBoxOscillator", 24, 174, 380, 20, "SATA_HOST_REFCLK_p/n:"},
    {"LabelCdcm61004Device", Kind::Label, "GroupBoxOscillator", 24, 198, 380, 20, "SATA_DEVICE_REFCLK_p/n:"},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 391, 432, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 12, 28, 118, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 132, 24, 250, 26, nullptr, {.maxLength = 127}},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 12, 60, 200, 24, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 12, 88, 200, 24, "LED x  10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 12, 116, 200, 24, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 12, 144, 200, 24, "Switch x 4", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 12, 172, 200, 24, "7-Segment x 2", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 12, 200, 200, 24, "Temperature", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 12, 228, 200, 24, "Fan Control", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 12, 256, 200, 24, "SMA", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 12, 284, 200, 24, "Flash (256MB)", kHand},
    {"CheckBoxRs422", Kind::CheckBox, "GroupBox1", 12, 312, 200, 24, "RS-422", kHand},
    {"CheckBoxPCIe", Kind::CheckBox, "GroupBox1", 12, 340, 200, 24, "PCIe", kHand},
    {"CheckBoxSata_0", Kind::CheckBox, "GroupBox1", 12, 368, 200, 24, "Sata Host 0", kHand},
    {"CheckBoxSata_1", Kind::CheckBox, "GroupBox1", 12, 396, 200, 24, "Sata Host 1", kHand},
    {"CheckBoxSata_2", Kind::CheckBox, "GroupBox1", 216, 60, 168, 24, "Sata Device 0", kHand},
    {"CheckBoxSata_3", Kind::CheckBox, "GroupBox1", 216, 88, 168, 24, "Sata Device 1", kHand},
    {"CheckBoxQdrA", Kind::CheckBox, "GroupBox1", 216, 116, 168, 24, "QDRII+ SRAM A", kHand},
    {"CheckBoxQdrB", Kind::CheckBox, "GroupBox1", 216, 144, 168, 24, "QDRII+ SRAM B", kHand},
    {"CheckBoxQdrC", Kind::CheckBox, "GroupBox1", 216, 172, 168, 24, "QDRII+ SRAM C", kHand},
    {"CheckBoxQdrD", Kind::CheckBox, "GroupBox1", 216, 200, 168, 24, "QDRII+ SRAM D", kHand},
    {"CheckBoxDDR3_0", Kind::CheckBox, "GroupBox1", 216, 228, 168, 24, "DDR3 SODIMM_A", kHand},
    {"CheckBoxDDR3_1", Kind::CheckBox, "GroupBox1", 216, 256, 168, 24, "DDR3 SODIMM_B", kHand},
    {"CheckBoxSfpA", Kind::CheckBox, "GroupBox1", 216, 284, 168, 24, "SFP+ A", kHand},
    {"CheckBoxSfpB", Kind::CheckBox, "GroupBox1", 216, 312, 168, 24, "SFP+ B", kHand},
    {"CheckBoxSfpC", Kind::CheckBox, "GroupBox1", 216, 340, 168, 24, "SFP+ C", kHand},
    {"CheckBoxSfpD", Kind::CheckBox, "GroupBox1", 216, 368, 168, 24, "SFP+ D", kHand},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 432, 452, 190, 32, "Default Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 432, 492, 190, 32, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 632, 492, 190, 32, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 532, 190, 32, "Generate...", kHand},
    {"ButtonExit", Kind::Button, nullptr, 632, 532, 190, 32, "Exit", kHand},
};
// clang-format on

} // namespace pallex
