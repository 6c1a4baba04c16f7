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
    {"LabelSi5340A_A", Kind::Label, "GroupBoxSI5340A", 10, 27, 180, 20, "QSFPA_REFCLK_p/n:"},
    {"ComboBoxDi5340A_A", Kind::ComboBox, "GroupBoxSI5340A", 192, 24, 156, 26, nullptr, kHand},
    {"LabelSi5340A_AMHz", Kind::Label, "GroupBoxSI5340A", 354, 27, 50, 20, "MHz"},
    {"LabelSi5340A_B", Kind::Label, "GroupBoxSI5340A", 10, 57, 180, 20, "QSFPB_REFCLK_p/n:"},
    {"ComboBoxDi5340A_B", Kind::ComboBox, "GroupBoxSI5340A", 192, 54, 156, 26, nullptr, kHand},
    {"LabelSi5340A_BMHz", Kind::Label, "GroupBoxSI5340A", 354, 57, 50, 20, "MHz"},
    {"LabelSi5340A_C", Kind::Label, "GroupBoxSI5340A", 10, 87, 180, 20, "QSFPC_REFCLK_p/n:"},
    {"ComboBoxDi5340A_C", Kind::ComboBox, "GroupBoxSI5340A", 192, 84, 156, 26, nullptr, kHand},
    {"LabelSi5340A_CMHz", Kind::Label, "GroupBoxSI5340A", 354, 87, 50, 20, "MHz"},
    {"LabelSi5340A_D", Kind::Label, "GroupBoxSI5340A", 10, 117, 180, 20, "QSFPD_REFCLK_p/n:"},
    {"ComboBoxDi5340A_D", Kind::ComboBox, "GroupBoxSI5340A", 192, 114, 156, 26, nullptr, kHand},
    {"LabelSi5340A_DMHz", Kind::Label, "GroupBoxSI5340A", 354, 117, 50, 20, "MHz"},
    {"GroupBox2", Kind::GroupBox, nullptr, 8, 450, 416, 118, "Si5340B"},
    {"LabelSi5340B_DDR3", Kind::Label, "GroupBox2", 10, 27, 180, 20, "DDR3_REFCLK_p/n:"},
    {"ComboBoxDi5340B_DDR3", Kind::ComboBox, "GroupBox2", 192, 24, 156, 26, nullptr, kHand},
    {"LabelSi5340B_DDR3MHz", Kind::Label, "GroupBox2", 354, 27, 50, 20, "MHz"},
    {"LabelSi5340B_QDRII", Kind::Label, "GroupBox2", 10, 57, 180, 20, "QDRII_REFCLK_p/n:"},
    {"ComboBoxDi5340B_QDRII", Kind::ComboBox, "GroupBox2", 192, 54, 156, 26, nullptr, kHand},
    {"LabelSi5340B_QDRIIMHz", Kind::Label, "GroupBox2", 354, 57, 50, 20, "MHz"},
    {"LabelSi5340B_PCIE", Kind::Label, "GroupBox2", 10, 87, 180, 20, "OB_PCIE_REFCLK_p/n:"},
    {"ComboBoxDi5340B_PCIE", Kind::ComboBox, "GroupBox2", 192, 84, 156, 26, nullptr, kHand},
    {"LabelSi5340B_PCIEMHz", Kind::Label, "GroupBox2", 354, 87, 50, 20, "MHz"},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 391, 446, "System Configuration"},
    {"Label15", Kind::Label, "GroupBox1", 12, 28, 94, 20, "Board Type:"},
    {"ComboBoxBoard", Kind::ComboBox, "GroupBox1", 108, 24, 274, 26, nullptr, kHand},
    {"Label3", Kind::Label, "GroupBox1", 12, 62, 118, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 132, 58, 250, 26, nullptr, {.maxLength = 127}},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 12, 96, 200, 24, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 12, 124, 200, 24, "LED x  8", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 12, 152, 200, 24, "7-Segment x 2", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 12, 180, 200, 24, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 12, 208, 200, 24, "Switch x 2", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 12, 236, 200, 24, "Temperature Sensor", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 12, 264, 200, 24, "Fan Control", kHand},
    {"CheckBoxPower", Kind::CheckBox, "GroupBox1", 12, 292, 200, 24, "Power Monitor", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 12, 320, 200, 24, "SMA", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 12, 348, 200, 24, "Flash (256MB)", kHand},
    {"CheckBoxRs422", Kind::CheckBox, "GroupBox1", 12, 376, 200, 24, "RS422 Expansion ", kHand},
    {"CheckBoxPceiClk", Kind::CheckBox, "GroupBox1", 12, 404, 200, 24, "PCIe On-Board Clock", kHand},
    {"CheckBoxQdrA", Kind::CheckBox, "GroupBox1", 216, 96, 168, 24, "QDRII+ SRAM A", kHand},
    {"CheckBoxQdrB", Kind::CheckBox, "GroupBox1", 216, 124, 168, 24, "QDRII+ SRAM B", kHand},
    {"CheckBoxQdrC", Kind::CheckBox, "GroupBox1", 216, 152, 168, 24, "QDRII+ SRAM C", kHand},
    {"CheckBoxQdrD", Kind::CheckBox, "GroupBox1", 216, 180, 168, 24, "QDRII+ SRAM D", kHand},
    {"CheckBoxDDR3_0", Kind::CheckBox, "GroupBox1", 216, 208, 168, 24, "DDR3 SODIMM_A", kHand},
    {"CheckBoxDDR3_1", Kind::CheckBox, "GroupBox1", 216, 236, 168, 24, "DDR3 SODIMM_B", kHand},
    {"CheckBoxQsfpA", Kind::CheckBox, "GroupBox1", 216, 264, 168, 24, "QSFP+ A", kHand},
    {"CheckBoxQsfpB", Kind::CheckBox, "GroupBox1", 216, 292, 168, 24, "QSFP+ B", kHand},
    {"CheckBoxQsfpC", Kind::CheckBox, "GroupBox1", 216, 320, 168, 24, "QSFP+ C", kHand},
    {"CheckBoxQsfpD", Kind::CheckBox, "GroupBox1", 216, 348, 168, 24, "QSFP+ D", kHand},
    {"CheckBoxPCIe", Kind::CheckBox, "GroupBox1", 216, 376, 168, 24, "PCIe", kHand},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 432, 466, 190, 32, "Default Setting", kHand},
    {"ButtonButtonDefaultAllSetting", Kind::Button, nullptr, 632, 466, 190, 32, "Select All", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 432, 506, 190, 32, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 632, 506, 190, 32, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 546, 190, 32, "Generate...", kHand},
    {"ButtonExit", Kind::Button, nullptr, 632, 546, 190, 32, "Exit", kHand},
};
// clang-format on

} // namespace abrenz
