#pragma once
// The stored layout of the Yarrin board form (board 25).

#include "platform/qt/FormLayout.h"

namespace yarrin {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 3};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormYarrin", Kind::Form, nullptr, 0, 0, 793, 536, "YARRIN V1.0.0", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.autoSize = true, .picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.autoSize = true, .picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 370, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "YARRIN FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 40, 400, 313, nullptr, {.transparent = true, .picture = "YARRIN_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 161, 119, 27, 19, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 47, 298, 154, 16, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 212, 319, 102, 29, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 164, 41, 96, 72, nullptr, kOutline},
    {"ShapeSdCard", Kind::Shape, "Panel1", 327, 73, 46, 48, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 47, 254, 154, 43, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 48, 317, 157, 31, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "Panel1", 270, 55, 45, 41, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "Panel1", 203, 265, 73, 33, nullptr, kOutline},
    {"ShapeGpio0", Kind::Shape, "Panel1", 312, 128, 24, 174, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "Panel1", 372, 128, 24, 174, nullptr, kOutline},
    {"ButtonSave", Kind::Button, nullptr, 16, 447, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 495, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 447, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 495, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 353, 516, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 104, 160, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 139, 160, 17, "LED x 10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 175, 160, 17, "Button x 4", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 210, 160, 17, "VGA", kHand},
    {"CheckBoxSdCard", Kind::CheckBox, "GroupBox1", 16, 246, 160, 17, "microSD Card", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 104, 160, 17, "7-Segment x 6", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 139, 160, 17, "Switch x 10", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 184, 174, 160, 17, "PS2", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 184, 210, 160, 17, "SDRAM, 64MB", kHand},
    {"Label1", Kind::Label, "GroupBox1", 16, 312, 200, 20, "GPIO-0 Header", {.bold = true}},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox1", 16, 336, 240, 28, nullptr, kHand},
    {"Label4", Kind::Label, "GroupBox1", 16, 368, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox1", 120, 368, 136, 28, nullptr},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 336, 80, 80, nullptr, {.transparent = true}},
    {"Label2", Kind::Label, "GroupBox1", 16, 416, 200, 20, "GPIO-1 Header", {.bold = true}},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox1", 16, 440, 240, 28, nullptr, kHand},
    {"Label5", Kind::Label, "GroupBox1", 16, 472, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox1", 120, 472, 136, 28, nullptr},
    {"ImageGpio1", Kind::Picture, "GroupBox1", 262, 424, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace yarrin
