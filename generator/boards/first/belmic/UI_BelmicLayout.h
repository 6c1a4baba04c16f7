#pragma once
// The stored layout of the Belmic board form (board 2).

#include "platform/qt/FormLayout.h"

namespace belmic {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 4};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormBelmic", Kind::Form, nullptr, 0, 0, 793, 517, "Belmic FPGA Board", {.font = "MS Sans Serif", .fontPx = 16}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 345, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Belmic FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 64, 40, 293, 300, nullptr, {.transparent = true, .picture = "BELMIC_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 142, 142, 51, 20, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 88, 290, 241, 17, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 88, 262, 59, 25, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 232, 310, 95, 25, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 86, 310, 139, 23, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "Panel1", 328, 78, 25, 25, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "Panel1", 304, 218, 49, 52, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 192, 40, 64, 41, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "Panel1", 156, 200, 44, 28, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 222, 234, 42, 28, nullptr, kOutline},
    {"ShapeRS232", Kind::Shape, "Panel1", 262, 40, 64, 41, nullptr, kOutline},
    {"ShapeSRAM", Kind::Shape, "Panel1", 164, 234, 37, 29, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "Panel1", 338, 302, 13, 13, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "Panel1", 128, 40, 57, 49, nullptr, kOutline},
    {"ShapeGpio0", Kind::Shape, "Panel1", 290, 108, 26, 110, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "Panel1", 326, 108, 26, 110, nullptr, kOutline},
    {"ButtonSave", Kind::Button, nullptr, 16, 423, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 471, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 423, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 471, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 504, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 160, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 124, 160, 17, "LED x 18", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 152, 160, 17, "Button x 4", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 16, 180, 160, 17, "PS2", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 208, 160, 17, "VGA", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 236, 160, 17, "SDRAM, 8MB", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 16, 264, 160, 17, "Audio", kHand},
    {"CheckBoxRS232", Kind::CheckBox, "GroupBox1", 184, 96, 160, 17, "RS232", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 124, 160, 17, "7-Segment x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 152, 160, 17, "Switch x 10", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 184, 180, 160, 17, "SDCARD", kHand},
    {"CheckBoxSRAM", Kind::CheckBox, "GroupBox1", 184, 208, 160, 17, "SRAM, 512KB", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 236, 160, 17, "FLASH, 4MB", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 184, 264, 160, 17, "SMA", kHand},
    {"LabelGpio0", Kind::Label, "GroupBox1", 16, 296, 200, 20, "GPIO-0 Header", {.bold = true}},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox1", 16, 320, 240, 24, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 356, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox1", 120, 352, 136, 24, nullptr},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 320, 80, 80, nullptr, {.transparent = true}},
    {"LabelGpio1", Kind::Label, "GroupBox1", 16, 400, 200, 20, "GPIO-1 Header", {.bold = true}},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox1", 16, 424, 240, 24, nullptr},
    {"Label3", Kind::Label, "GroupBox1", 16, 460, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox1", 120, 456, 136, 24, nullptr},
    {"ImageGpio1", Kind::Picture, "GroupBox1", 262, 408, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace belmic
