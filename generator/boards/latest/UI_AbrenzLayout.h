#pragma once
// The stored layout of the Abrenz board form (board 27).

#include "platform/qt/FormLayout.h"

namespace abrenz {

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
    {"FormAbrenz", Kind::Form, nullptr, 0, 0, 831, 588, "Abrenz", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 16, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 60, 416, 230, nullptr},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 8, 400, 214, nullptr, {.transparent = true, .picture = "ABRENZ_BOARD"}},
    {"ShapeQsfp_A", Kind::Shape, "Panel1", 14, 42, 40, 34, nullptr, kOutline},
    {"ShapeQsfp_B", Kind::Shape, "Panel1", 14, 80, 40, 34, nullptr, kOutline},
    {"ShapeQsfp_C", Kind::Shape, "Panel1", 14, 118, 40, 34, nullptr, kOutline},
    {"ShapeQsfp_D", Kind::Shape, "Panel1", 14, 156, 40, 34, nullptr, kOutline},
    {"ShapeQDRII_A", Kind::Shape, "Panel1", 64, 42, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_B", Kind::Shape, "Panel1", 64, 74, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_C", Kind::Shape, "Panel1", 64, 118, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_D", Kind::Shape, "Panel1", 64, 150, 90, 28, nullptr, kOutline},
    {"ShapeSi5340A", Kind::Shape, "Panel1", 168, 42, 36, 26, nullptr, kOutline},
    {"ShapeSi5340B", Kind::Shape, "Panel1", 212, 42, 36, 26, nullptr, kDotted},
    {"ShapeOSC", Kind::Shape, "Panel1", 258, 42, 20, 20, nullptr, kDotted},
    {"ShapeDDR3_0", Kind::Shape, "Panel1", 308, 42, 92, 22, nullptr, kOutline},
    {"ShapeDDR3_1", Kind::Shape, "Panel1", 308, 68, 92, 22, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 308, 98, 44, 28, nullptr, kOutline},
    {"ShapeFan", Kind::Shape, "Panel1", 358, 98, 40, 28, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "Panel1", 258, 100, 20, 20, nullptr, kDotted},
    {"ShapePower", Kind::Shape, "Panel1", 258, 126, 20, 20, nullptr, kDotted},
    {"ShapeLED", Kind::Shape, "Panel1", 308, 134, 90, 12, nullptr, kOutline},
    {"ShapeBracketLED", Kind::Shape, "Panel1", 308, 150, 90, 12, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 258, 158, 44, 22, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 308, 168, 60, 26, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 374, 168, 28, 26, nullptr, kOutline},
    {"ShapePCIe", Kind::Shape, "Panel1", 128, 198, 160, 20, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "Panel1", 298, 200, 30, 18, nullptr, kOutline},
    {"ShapeRs422", Kind::Shape, "Panel1", 338, 200, 60, 18, nullptr, kOutline},
    {"GroupBoxSI5340A", Kind::GroupBox, nullptr, 8, 298, 416, 146, "Si5340A"},
    {"LabelSi5340A_A", Kind::Label, "GroupBoxSI5340A", 12, 27, 156, 20, "QSFPA_REFCLK_p/n:"},
    {"ComboBoxDi5340A_A", Kind::ComboBox, "GroupBoxSI5340A", 172, 24, 170, 26, nullptr, kHand},
    {"LabelSi5340A_AMHz", Kind::Label, "GroupBoxSI5340A", 350, 27, 50, 20, "MHz"},
    {"LabelSi5340A_B", Kind::Label, "GroupBoxSI5340A", 12, 57, 156, 20, "QSFPB_REFCLK_p/n:"},
    {"ComboBoxDi5340A_B", Kind::ComboBox, "GroupBoxSI5340A", 172, 54, 170, 26, nullptr, kHand},
    {"LabelSi5340A_BMHz", Kind::Label, "GroupBoxSI5340A", 350, 57, 50, 20, "MHz"},
    {"LabelSi5340A_C", Kind::Label, "GroupBoxSI5340A", 12, 87, 156, 20, "QSFPC_REFCLK_p/n:"},
    {"ComboBoxDi5340A_C", Kind::ComboBox, "GroupBoxSI5340A", 172, 84, 170, 26, nullptr, kHand},
    {"LabelSi5340A_CMHz", Kind::Label, "GroupBoxSI5340A", 350, 87, 50, 20, "MHz"},
    {"LabelSi5340A_D", Kind::Label, "GroupBoxSI5340A", 12, 117, 156, 20, "QSFPD_REFCLK_p/n:"},
    {"ComboBoxDi5340A_D", Kind::ComboBox, "GroupBoxSI5340A", 172, 114, 170, 26, nullptr, kHand},
    {"LabelSi5340A_DMHz", Kind::Label, "GroupBoxSI5340A", 350, 117, 50, 20, "MHz"},
    {"GroupBox2", Kind::GroupBox, nullptr, 8, 450, 416, 118, "Si5340B"},
    {"LabelSi5340B_DDR3", Kind::Label, "GroupBox2", 12, 27, 156, 20, "DDR3_REFCLK_p/n:"},
    {"ComboBoxDi5340B_DDR3", Kind::ComboBox, "GroupBox2", 172, 24, 170, 26, nullptr, kHand},
    {"LabelSi5340B_DDR3MHz", Kind::Label, "GroupBox2", 350, 27, 50, 20, "MHz"},
    {"LabelSi5340B_QDRII", Kind::Label, "GroupBox2", 12, 57, 156, 20, "QDRII_REFCLK_p/n:"},
    {"ComboBoxDi5340B_QDRII", Kind::ComboBox, "GroupBox2", 172, 54, 170, 26, nullptr, kHand},
    {"LabelSi5340B_QDRIIMHz", Kind::Label, "GroupBox2", 350, 57, 50, 20, "MHz"},
    {"LabelSi5340B_PCIE", Kind::Label, "GroupBox2", 12, 87, 156, 20, "OB_PCIE_REFCLK_p/n:"},
    {"ComboBoxDi5340B_PCIE", Kind::ComboBox, "GroupBox2", 172, 84, 170, 26, nullptr, kHand},
    {"LabelSi5340B_PCIEMHz", Kind::Label, "GroupBox2", 350, 87, 50, 20, "MHz"},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 391, 446, "System Configuration"},
    {"Label15", Kind::Label, "GroupBox1", 16, 28, 96, 20, "Board Type:"},
    {"ComboBoxBoard", Kind::ComboBox, "GroupBox1", 116, 24, 262, 26, nullptr, kHand},
    {"Label3", Kind::Label, "GroupBox1", 16, 62, 104, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 124, 58, 254, 26, nullptr, {.maxLength = 127}},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 180, 24, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 124, 180, 24, "LED x  8", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 16, 152, 180, 24, "7-Segment x 2", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 180, 180, 24, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 208, 180, 24, "Switch x 2", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 16, 236, 180, 24, "Temperature Sensor", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 16, 264, 180, 24, "Fan Control", kHand},
    {"CheckBoxPower", Kind::CheckBox, "GroupBox1", 16, 292, 180, 24, "Power Monitor", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 16, 320, 180, 24, "SMA", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 16, 348, 180, 24, "Flash (256MB)", kHand},
    {"CheckBoxRs422", Kind::CheckBox, "GroupBox1", 16, 376, 180, 24, "RS422 Expansion ", kHand},
    {"CheckBoxPceiClk", Kind::CheckBox, "GroupBox1", 16, 404, 180, 24, "PCIe On-Board Clock", kHand},
    {"CheckBoxQdrA", Kind::CheckBox, "GroupBox1", 204, 96, 176, 24, "QDRII+ SRAM A", kHand},
    {"CheckBoxQdrB", Kind::CheckBox, "GroupBox1", 204, 124, 176, 24, "QDRII+ SRAM B", kHand},
    {"CheckBoxQdrC", Kind::CheckBox, "GroupBox1", 204, 152, 176, 24, "QDRII+ SRAM C", kHand},
    {"CheckBoxQdrD", Kind::CheckBox, "GroupBox1", 204, 180, 176, 24, "QDRII+ SRAM D", kHand},
    {"CheckBoxDDR3_0", Kind::CheckBox, "GroupBox1", 204, 208, 176, 24, "DDR3 SODIMM_A", kHand},
    {"CheckBoxDDR3_1", Kind::CheckBox, "GroupBox1", 204, 236, 176, 24, "DDR3 SODIMM_B", kHand},
    {"CheckBoxQsfpA", Kind::CheckBox, "GroupBox1", 204, 264, 176, 24, "QSFP+ A", kHand},
    {"CheckBoxQsfpB", Kind::CheckBox, "GroupBox1", 204, 292, 176, 24, "QSFP+ B", kHand},
    {"CheckBoxQsfpC", Kind::CheckBox, "GroupBox1", 204, 320, 176, 24, "QSFP+ C", kHand},
    {"CheckBoxQsfpD", Kind::CheckBox, "GroupBox1", 204, 348, 176, 24, "QSFP+ D", kHand},
    {"CheckBoxPCIe", Kind::CheckBox, "GroupBox1", 204, 376, 176, 24, "PCIe", kHand},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 432, 466, 190, 32, "Default Setting", kHand},
    {"ButtonButtonDefaultAllSetting", Kind::Button, nullptr, 632, 466, 190, 32, "Select All", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 432, 506, 190, 32, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 632, 506, 190, 32, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 546, 190, 32, "Generate...", kHand},
    {"ButtonExit", Kind::Button, nullptr, 632, 546, 190, 32, "Exit", kHand},
};
// clang-format on

} // namespace abrenz
