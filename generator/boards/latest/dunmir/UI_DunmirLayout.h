#pragma once
// The stored layout of the Dunmir board form.

#include "platform/qt/FormLayout.h"

namespace dunmir {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915; // red 235, green 233, blue 237
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 3};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormDunmir", Kind::Form, nullptr, 0, 0, 793, 497, "Dunmir V1.0.1", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 370, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Dunmir FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 48, 400, 298, nullptr, {.transparent = true, .picture = "DUNMIR_BOARD"}},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 144, 65, 1, nullptr, {.penColor = kYellow, .penStyle = PenStyle::Dotted}},
    {"ShapeOSC", Kind::Shape, "Panel1", 265, 126, 28, 26, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 320, 82, 89, 111, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 200, 291, 177, 13, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 20, 296, 181, 51, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 345, 228, 32, 58, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 201, 311, 178, 32, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "Panel1", 49, 182, 89, 46, nullptr, kOutline},
    {"ShapeAccelerometer", Kind::Shape, "Panel1", 177, 115, 28, 21, nullptr, kOutline},
    {"ShapeArduino_0", Kind::Shape, "Panel1", 103, 96, 188, 16, nullptr, kOutline},
    {"ShapeArduino_1", Kind::Shape, "Panel1", 138, 273, 151, 15, nullptr, kOutline},
    {"ShapeGpio", Kind::Shape, "Panel1", 87, 49, 229, 34, nullptr, kOutline},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 353, 424, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr, {.maxLength = 127}},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 160, 24, "CLOCK", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 96, 160, 24, "7-Segment x 6", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 130, 160, 24, "LED x 10", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 130, 160, 24, "Switch x 10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 164, 160, 24, "Button x 2", kHand},
    {"CheckBoxAccelerometer", Kind::CheckBox, "GroupBox1", 184, 164, 160, 24, "Accelerometer", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 198, 160, 24, "VGA", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 184, 198, 160, 24, "SDRAM, 64MB", kHand},
    {"CheckBoxArduino", Kind::CheckBox, "GroupBox1", 16, 233, 160, 24, "Arduino Header", kHand},
    {"Label1", Kind::Label, "GroupBox1", 16, 304, 200, 20, "2x20 GPIO Header", {.bold = true}},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 328, 240, 28, nullptr, kHand},
    {"ImageGpio", Kind::Picture, "GroupBox1", 262, 328, 80, 80, nullptr, {.transparent = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 360, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 120, 360, 136, 28, nullptr, {.maxLength = 127}},
    {"ButtonSave", Kind::Button, nullptr, 16, 447, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 224, 447, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 440, 447, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 616, 447, 170, 35, "Exit", kHand},
};
// clang-format on

} // namespace dunmir
