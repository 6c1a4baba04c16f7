#pragma once
// The stored layout of the Embrel board form (board 31).

#include "platform/qt/FormLayout.h"

namespace embrel {

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
    {"FormEmbrel", Kind::Form, nullptr, 0, 0, 829, 578, "Embrel V1.0.0", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageVeltrax", Kind::Picture, nullptr, 10, 9, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 14, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 60, 416, 266, nullptr},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 8, 400, 250, nullptr, {.transparent = true, .picture = "EMBREL_BOARD"}},
    {"ShapeQsfp_A", Kind::Shape, "Panel1", 14, 42, 40, 40, nullptr, kOutline},
    {"ShapeQsfp_B", Kind::Shape, "Panel1", 14, 88, 40, 40, nullptr, kOutline},
    {"ShapeQsfp_C", Kind::Shape, "Panel1", 14, 134, 40, 40, nullptr, kOutline},
    {"ShapeQsfp_D", Kind::Shape, "Panel1", 14, 180, 40, 40, nullptr, kOutline},
    {"ShapeQDRII_A", Kind::Shape, "Panel1", 64, 42, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_B", Kind::Shape, "Panel1", 64, 76, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_C", Kind::Shape, "Panel1", 64, 110, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_D", Kind::Shape, "Panel1", 64, 144, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_E", Kind::Shape, "Panel1", 64, 178, 90, 28, nullptr, kOutline},
    {"ShapeQDRII_F", Kind::Shape, "Panel1", 64, 212, 90, 28, nullptr, kOutline},
    {"ShapeSi5340A", Kind::Shape, "Panel1", 168, 42, 36, 26, nullptr, kOutline},
    {"ShapeSi5340B", Kind::Shape, "Panel1", 212, 42, 36, 26, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "Panel1", 258, 42, 20, 20, nullptr, kDotted},
    {"ShapeFlash", Kind::Shape, "Panel1", 308, 42, 44, 30, nullptr, kOutline},
    {"ShapeFan", Kind::Shape, "Panel1", 358, 42, 40, 30, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "Panel1", 258, 98, 20, 20, nullptr, kDotted},
    {"ShapePower", Kind::Shape, "Panel1", 258, 124, 20, 20, nullptr, kDotted},
    {"ShapeLED", Kind::Shape, "Panel1", 308, 84, 90, 12, nullptr, kOutline},
    {"ShapeBracketLED", Kind::Shape, "Panel1", 308, 102, 90, 12, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 308, 124, 56, 24, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 370, 124, 30, 24, nullptr, kOutline},
    {"ShapeGPIO", Kind::Shape, "Panel1", 308, 158, 60, 20, nullptr, kOutline},
    {"ShapeRs422", Kind::Shape, "Panel1", 308, 188, 60, 24, nullptr, kOutline},
    {"ShapePCIe", Kind::Shape, "Panel1", 168, 234, 140, 20, nullptr, kOutline},
    {"GroupBoxSI5340A", Kind::GroupBox, nullptr, 8, 334, 416, 146, "Si5340A"},
    {"LabelSi5340A_A", Kind::Label, "GroupBoxSI5340A", 10, 27, 180, 20, "QSFPA_REFCLK_p/n:"},
    {"ComboBoxSi5340A_A", Kind::ComboBox, "GroupBoxSI5340A", 192, 24, 156, 26, nullptr, kHand},
    {"LabelSi5340A_AMHz", Kind::Label, "GroupBoxSI5340A", 354, 27, 50, 20, "MHz"},
    {"LabelSi5340A_B", Kind::Label, "GroupBoxSI5340A", 10, 57, 180, 20, "QSFPB_REFCLK_p/n:"},
    {"ComboBoxSi5340A_B", Kind::ComboBox, "GroupBoxSI5340A", 192, 54, 156, 26, nullptr, kHand},
    {"LabelSi5340A_BMHz", Kind::Label, "GroupBoxSI5340A", 354, 57, 50, 20, "MHz"},
    {"LabelSi5340A_C", Kind::Label, "GroupBoxSI5340A", 10, 87, 180, 20, "QSFPC_REFCLK_p/n:"},
    {"ComboBoxSi5340A_C", Kind::ComboBox, "GroupBoxSI5340A", 192, 84, 156, 26, nullptr, kHand},
    {"LabelSi5340A_CMHz", Kind::Label, "GroupBoxSI5340A", 354, 87, 50, 20, "MHz"},
    {"LabelSi5340A_D", Kind::Label, "GroupBoxSI5340A", 10, 117, 180, 20, "QSFPD_REFCLK_p/n:"},
    {"ComboBoxSi5340A_D", Kind::ComboBox, "GroupBoxSI5340A", 192, 114, 156, 26, nullptr, kHand},
    {"LabelSi5340A_DMHz", Kind::Label, "GroupBoxSI5340A", 354, 117, 50, 20, "MHz"},
    {"GroupBox2", Kind::GroupBox, nullptr, 8, 486, 416, 84, "Si5340B"},
    {"LabelSi5340B_QDRII", Kind::Label, "GroupBox2", 10, 27, 180, 20, "QDRIIx_REFCLK_p/n:"},
    {"ComboBoxSi5340B_QDRII", Kind::ComboBox, "GroupBox2", 192, 24, 156, 26, nullptr, kHand},
    {"LabelSi5340B_QDRIIMHz", Kind::Label, "GroupBox2", 354, 27, 50, 20, "MHz"},
    {"LabelSi5340B_Which", Kind::Label, "GroupBox2", 10, 56, 200, 20, "x: A/B/C/D/E/F"},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 389, 406, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 12, 28, 118, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 132, 24, 250, 26, nullptr, {.maxLength = 127}},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 12, 64, 200, 24, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 12, 94, 200, 24, "LED x  8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 12, 124, 200, 24, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 12, 154, 200, 24, "DIP Switch x 2", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 12, 184, 200, 24, "Temperature Sensor", kHand},
    {"CheckBoxPower", Kind::CheckBox, "GroupBox1", 12, 214, 200, 24, "Power Monitor", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 12, 244, 200, 24, "Fan Control", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 12, 274, 200, 24, "Flash (256MB)", kHand},
    {"CheckBoxPCIe", Kind::CheckBox, "GroupBox1", 12, 304, 200, 24, "PCIe", kHand},
    {"CheckBoxRs422", Kind::CheckBox, "GroupBox1", 12, 334, 200, 24, "RS422 Expansion ", kHand},
    {"CheckBoxGPIO", Kind::CheckBox, "GroupBox1", 12, 364, 200, 24, "2x4 GPIO", kHand},
    {"CheckBoxQdrA", Kind::CheckBox, "GroupBox1", 216, 64, 168, 24, "QDRII+ SRAM A", kHand},
    {"CheckBoxQdrB", Kind::CheckBox, "GroupBox1", 216, 94, 168, 24, "QDRII+ SRAM B", kHand},
    {"CheckBoxQdrC", Kind::CheckBox, "GroupBox1", 216, 124, 168, 24, "QDRII+ SRAM C", kHand},
    {"CheckBoxQdrD", Kind::CheckBox, "GroupBox1", 216, 154, 168, 24, "QDRII+ SRAM D", kHand},
    {"CheckBoxQdrE", Kind::CheckBox, "GroupBox1", 216, 184, 168, 24, "QDRII+ SRAM E", kHand},
    {"CheckBoxQdrF", Kind::CheckBox, "GroupBox1", 216, 214, 168, 24, "QDRII+ SRAM F", kHand},
    {"CheckBoxQsfpA", Kind::CheckBox, "GroupBox1", 216, 244, 168, 24, "QSFP+ A", kHand},
    {"CheckBoxQsfpB", Kind::CheckBox, "GroupBox1", 216, 274, 168, 24, "QSFP+ B", kHand},
    {"CheckBoxQsfpC", Kind::CheckBox, "GroupBox1", 216, 304, 168, 24, "QSFP+ C", kHand},
    {"CheckBoxQsfpD", Kind::CheckBox, "GroupBox1", 216, 334, 168, 24, "QSFP+ D", kHand},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 432, 424, 190, 32, "Default Setting", kHand},
    {"ButtonButtonDefaultAllSetting", Kind::Button, nullptr, 631, 424, 190, 32, "Select All", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 432, 464, 190, 32, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 631, 464, 190, 32, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 504, 190, 32, "Generate...", kHand},
    {"ButtonExit", Kind::Button, nullptr, 631, 504, 190, 32, "Exit", kHand},
};
// clang-format on

} // namespace embrel
