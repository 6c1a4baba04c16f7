#pragma once
// The stored layout of the Ostrel board form (board 15).

#include "platform/qt/FormLayout.h"

namespace ostrel {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormOstrel", Kind::Form, nullptr, 0, 0, 836, 480, "Ostrel FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 16, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 60, 416, 300, nullptr},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 8, 400, 284, nullptr, {.transparent = true, .picture = "OSTREL_BOARD"}},
    {"ShapeSfp_A", Kind::Shape, "Panel1", 14, 20, 44, 30, nullptr, kOutline},
    {"ShapeSfp_B", Kind::Shape, "Panel1", 14, 56, 44, 30, nullptr, kOutline},
    {"ShapeSata", Kind::Shape, "Panel1", 14, 96, 44, 24, nullptr, kOutline},
    {"ShapeSi570", Kind::Shape, "Panel1", 66, 20, 32, 22, nullptr, kOutline},
    {"ShapeCdcm61004", Kind::Shape, "Panel1", 66, 48, 32, 22, nullptr, kOutline},
    {"ShapeQDRII_A", Kind::Shape, "Panel1", 110, 20, 60, 30, nullptr, kOutline},
    {"ShapeQDRII_B", Kind::Shape, "Panel1", 176, 20, 60, 30, nullptr, kOutline},
    {"ShapeDDR3_0", Kind::Shape, "Panel1", 246, 20, 72, 30, nullptr, kOutline},
    {"ShapeQDRII_C", Kind::Shape, "Panel1", 110, 200, 60, 30, nullptr, kOutline},
    {"ShapeQDRII_D", Kind::Shape, "Panel1", 176, 200, 60, 30, nullptr, kOutline},
    {"ShapeDDR3_1", Kind::Shape, "Panel1", 246, 200, 72, 30, nullptr, kOutline},
    {"ShapePCIe", Kind::Shape, "Panel1", 110, 250, 208, 24, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "Panel1", 330, 20, 24, 20, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "Panel1", 362, 20, 24, 20, nullptr, kOutline},
    {"ShapeFan", Kind::Shape, "Panel1", 330, 50, 56, 24, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 330, 84, 60, 30, nullptr, kOutline},
    {"ShapeRs422", Kind::Shape, "Panel1", 330, 124, 60, 24, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 330, 158, 60, 14, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 330, 180, 60, 20, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 330, 208, 60, 20, nullptr, kOutline},
    {"GroupBoxOscillator", Kind::GroupBox, nullptr, 8, 366, 416, 104, "Programmable Oscillator", {.fontPx = 13}},
    {"LabelSi570", Kind::Label, "GroupBoxOscillator", 10, 31, 86, 20, "Si570"},
    {"LabelSi570Clock", Kind::Label, "GroupBoxOscillator", 98, 31, 150, 20, "SFP_REFCLK_p/n:"},
    {"ComboBoxSi570", Kind::ComboBox, "GroupBoxOscillator", 250, 28, 110, 26, nullptr, kHand},
    {"LabelSi570MHz", Kind::Label, "GroupBoxOscillator", 366, 31, 40, 20, "MHz"},
    {"LabelCdcm61004", Kind::Label, "GroupBoxOscillator", 10, 67, 86, 20, "CDCM61004"},
    {"LabelCdcm61004Clock", Kind::Label, "GroupBoxOscillator", 98, 67, 150, 20, "SFP1G_REFCLK_p/n:"},
    {"ComboBoxCdcm61004", Kind::ComboBox, "GroupBoxOscillator", 250, 64, 110, 26, nullptr, kHand},
    {"LabelCdcm61004MHz", Kind::Label, "GroupBoxOscillator", 366, 67, 40, 20, "MHz"},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 396, 330, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 12, 28, 118, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 132, 24, 250, 26, nullptr, {.maxLength = 127}},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 12, 62, 180, 24, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 12, 90, 180, 24, "LED x  4", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 12, 118, 180, 24, "Button x 2", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 12, 146, 180, 24, "DIP Switch x 4", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 12, 174, 180, 24, "Temperature", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 12, 202, 180, 24, "Fan Control", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 12, 230, 180, 24, "Flash (256MB)", kHand},
    {"CheckBoxRs422", Kind::CheckBox, "GroupBox1", 12, 258, 180, 24, "1394 to RS-422", kHand},
    {"CheckBoxPCIe", Kind::CheckBox, "GroupBox1", 12, 286, 180, 24, "PCIe x 8 ", kHand},
    {"CheckBoxQdrA", Kind::CheckBox, "GroupBox1", 200, 62, 186, 24, "QDRII+ A (72Mb)", kHand},
    {"CheckBoxQdrB", Kind::CheckBox, "GroupBox1", 200, 90, 186, 24, "QDRII+ B (72Mb)", kHand},
    {"CheckBoxQdrC", Kind::CheckBox, "GroupBox1", 200, 118, 186, 24, "QDRII+ C (72Mb)", kHand},
    {"CheckBoxQdrD", Kind::CheckBox, "GroupBox1", 200, 146, 186, 24, "QDRII+ D (72Mb)", kHand},
    {"CheckBoxDDR3_0", Kind::CheckBox, "GroupBox1", 200, 174, 186, 24, "DDR3 A (1GB)", kHand},
    {"CheckBoxDDR3_1", Kind::CheckBox, "GroupBox1", 200, 202, 186, 24, "DDR3 B (1GB)", kHand},
    {"CheckBoxSfpA", Kind::CheckBox, "GroupBox1", 200, 230, 186, 24, "SFP+ A", kHand},
    {"CheckBoxSfpB", Kind::CheckBox, "GroupBox1", 200, 258, 186, 24, "SFP+ B", kHand},
    {"CheckBoxSata", Kind::CheckBox, "GroupBox1", 200, 286, 186, 24, "SATA Host", kHand},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 432, 350, 190, 32, "Default Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 632, 350, 190, 32, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 432, 390, 190, 32, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 632, 390, 190, 32, "Generate...", kHand},
    {"ButtonExit", Kind::Button, nullptr, 632, 430, 190, 32, "Exit", kHand},
};
// clang-format on

} // namespace ostrel
