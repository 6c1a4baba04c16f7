#pragma once
// The stored layout of the Wendro board form (board 23).

#include "platform/qt/FormLayout.h"

namespace wendro {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 3};
constexpr Style kHand{.handCursor = true};
constexpr Style kBold{.bold = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormWendro", Kind::Form, nullptr, 0, 0, 789, 520, "Wendro V1.0.1", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.autoSize = true, .picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.autoSize = true, .picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 345, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Wendro FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 48, 400, 256, nullptr, {.transparent = true, .picture = "WENDRO_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 167, 194, 21, 28, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 308, 263, 54, 17, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 132, 225, 75, 32, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 273, 276, 34, 25, nullptr, kOutline},
    {"ShapeADC", Kind::Shape, "Panel1", 308, 281, 57, 20, nullptr, kOutline},
    {"ShapeHPS", Kind::Shape, "Panel1", 145, 101, 35, 33, nullptr, kOutline},
    {"ShapeArduino_0", Kind::Shape, "Panel1", 60, 72, 194, 16, nullptr, kOutline},
    {"ShapeArduino_1", Kind::Shape, "Panel1", 96, 263, 157, 16, nullptr, kOutline},
    {"ShapeGpio0", Kind::Shape, "Panel1", 59, 49, 202, 22, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "Panel1", 59, 281, 202, 22, nullptr, kOutline},
    {"ButtonSave", Kind::Button, nullptr, 16, 423, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 471, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 423, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 471, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 504, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 104, 160, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 184, 104, 160, 17, "LED x 8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 140, 160, 17, "Button x 2", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 140, 160, 17, "Switch x 4", kHand},
    {"CheckBoxADC", Kind::CheckBox, "GroupBox1", 16, 177, 160, 17, "ADC 2x5 Header", kHand},
    {"CheckBoxHPS", Kind::CheckBox, "GroupBox1", 16, 217, 160, 17, "HPS", kHand},
    {"CheckBoxArduino", Kind::CheckBox, "GroupBox1", 184, 177, 160, 17, "Arduino Header", kHand},
    {"Label1", Kind::Label, "GroupBox1", 16, 296, 200, 20, "GPIO-0 Header", kBold},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox1", 16, 320, 240, 28, nullptr, kHand},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 320, 80, 80, nullptr, {.transparent = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 352, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox1", 120, 352, 136, 28, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 400, 200, 20, "GPIO-1 Header", kBold},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox1", 16, 424, 240, 28, nullptr, kHand},
    {"ImageGpio1", Kind::Picture, "GroupBox1", 262, 408, 80, 80, nullptr, {.transparent = true}},
    {"Label5", Kind::Label, "GroupBox1", 16, 456, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox1", 120, 456, 136, 28, nullptr},
};
// clang-format on

} // namespace wendro
