#pragma once
// The stored layout of the Arvel board form (board 1). Its components and captions
// are the board's own; the places are ours, in the style of its
// sibling forms and within its 793 x 469 client area.

#include "platform/qt/FormLayout.h"

namespace arvel {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 4};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormArvel", Kind::Form, nullptr, 0, 0, 793, 469, "Veltrax Arvel FPGA Board", {.font = "MS Sans Serif", .fontPx = 16}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 313, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 28, "Arvel FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 64, 36, 293, 272, nullptr, {.transparent = true, .picture = "ARVEL_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 142, 128, 51, 20, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 88, 260, 241, 17, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 88, 236, 90, 22, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 232, 280, 95, 24, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 86, 280, 139, 23, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "Panel1", 328, 84, 25, 25, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "Panel1", 296, 210, 49, 46, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 196, 36, 64, 41, nullptr, kOutline},
    {"ShapeLCD", Kind::Shape, "Panel1", 78, 50, 110, 46, nullptr, {.penColor = kYellow, .penWidth = 4, .penStyle = PenStyle::Dotted}},
    {"ShapeSDRAM", Kind::Shape, "Panel1", 156, 182, 44, 26, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 222, 212, 42, 26, nullptr, kOutline},
    {"ShapeRS232", Kind::Shape, "Panel1", 266, 36, 58, 41, nullptr, kOutline},
    {"ShapeGpio0", Kind::Shape, "Panel1", 290, 100, 26, 104, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "Panel1", 326, 114, 26, 90, nullptr, kOutline},
    {"ButtonSave", Kind::Button, nullptr, 16, 385, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 427, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 385, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 427, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 460, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 160, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 124, 160, 17, "LED x 8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 152, 160, 17, "Button x 3", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 16, 180, 160, 17, "PS2", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 208, 160, 17, "VGA", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 236, 160, 17, "SDRAM, 8MB", kHand},
    {"CheckBoxRS232", Kind::CheckBox, "GroupBox1", 184, 96, 160, 17, "RS232", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 124, 160, 17, "7-Segment x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 152, 160, 17, "Switch x 8", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 184, 180, 160, 17, "SDCARD", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 184, 208, 160, 17, "LCD (Option)", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 236, 160, 17, "FLASH, 4MB", kHand},
    {"LabelGpio0", Kind::Label, "GroupBox1", 16, 268, 200, 20, "GPIO-0 Header", {.bold = true}},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox1", 16, 292, 240, 24, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 328, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox1", 120, 324, 136, 24, nullptr},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 292, 80, 80, nullptr, {.transparent = true}},
    {"LabelGpio1", Kind::Label, "GroupBox1", 16, 372, 200, 20, "GPIO-1 Header", {.bold = true}},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox1", 16, 396, 240, 24, nullptr},
    {"Label3", Kind::Label, "GroupBox1", 16, 432, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox1", 120, 428, 136, 24, nullptr},
    {"ImageGpio1", Kind::Picture, "GroupBox1", 262, 374, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace arvel
