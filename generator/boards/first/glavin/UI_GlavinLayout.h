#pragma once
// The stored layout of the Glavin board form (board 50). Its components and captions
// are the board's own; the places are ours, in the style of its
// sibling forms and within its 803 x 468 client area.

#include "platform/qt/FormLayout.h"

namespace glavin {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 4};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormGlavin", Kind::Form, nullptr, 0, 0, 803, 468, "Veltrax Glavin", {.font = "MS Sans Serif", .fontPx = 16}},
    {"Panel1", Kind::Panel, nullptr, 8, 8, 417, 378, nullptr},
    {"ImageAltera", Kind::Picture, "Panel1", 8, 6, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, "Panel1", 116, 8, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, "Panel1", 222, 14, 185, 35, "Change Main Board", kHand},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 60, 401, 28, "Glavin FPGA Board", {.fontPx = 24, .bold = true}},
    {"Image1", Kind::Picture, "Panel1", 56, 92, 305, 280, nullptr, {.transparent = true, .picture = "GLAVIN_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 150, 140, 40, 22, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 80, 330, 120, 18, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 220, 326, 110, 28, nullptr, kOutline},
    {"ShapeDDR", Kind::Shape, "Panel1", 84, 180, 60, 40, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 256, 130, 60, 40, nullptr, kOutline},
    {"ShapeSSRAM", Kind::Shape, "Panel1", 256, 188, 60, 40, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "Panel1", 328, 110, 26, 200, nullptr, kOutline},
    {"ButtonSave", Kind::Button, nullptr, 16, 394, 190, 32, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 430, 190, 32, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 394, 190, 32, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 430, 190, 32, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 363, 460, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 16, 28, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 50, 330, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 90, 330, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 116, 330, 20, "LED x 4", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 142, 330, 20, "Button x 4 + CPU_RESET_N", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 168, 330, 20, "DDR SDRAM", kHand},
    {"CheckBoxFlashSSRAM", Kind::CheckBox, "GroupBox1", 16, 194, 330, 20, "Flash and SSRAM", kHand},
    {"LabelHSMC", Kind::Label, "GroupBox1", 16, 236, 200, 20, "HSMC Connector", {.bold = true}},
    {"ComboBoxHSMC", Kind::ComboBox, "GroupBox1", 16, 262, 240, 24, nullptr, kHand},
    {"Label2", Kind::Label, "GroupBox1", 16, 300, 100, 20, "Prefix Name:"},
    {"EditPrefixHSMC", Kind::Edit, "GroupBox1", 120, 296, 136, 24, nullptr},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 266, 236, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace glavin
