#pragma once
// The stored layout of the Irvane board form (board 101).

#include "platform/qt/FormLayout.h"

namespace irvane {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormIrvane", Kind::Form, nullptr, 0, 0, 794, 529, "Irvane FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 14, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 6, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 10, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 52, 409, 425, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 6, 393, 29, "Irvane FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 38, 399, 380, nullptr, {.transparent = true, .picture = "IRVANE_BOARD"}},
    {"ShapeGpio", Kind::Shape, "PanelFPGA", 20, 46, 170, 22, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "PanelFPGA", 376, 120, 22, 200, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 262, 120, 30, 20, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "PanelFPGA", 40, 110, 100, 50, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "PanelFPGA", 40, 180, 100, 40, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 40, 340, 150, 14, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 230, 340, 90, 30, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 40, 370, 150, 30, nullptr, kOutline},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 8, 486, 130, 35, "Default Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 147, 486, 130, 35, "Load Setting", kHand},
    {"ButtonSave", Kind::Button, nullptr, 286, 486, 130, 35, "Save Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 486, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 614, 486, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 3, 353, 474, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 46, 326, 28, nullptr},
    {"LabelBoard", Kind::Label, "GroupBox1", 16, 84, 94, 20, "Board Type:"},
    {"ComboBoxBoard", Kind::ComboBox, "GroupBox1", 112, 80, 230, 28, nullptr, kHand},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 118, 160, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 142, 160, 20, "LED", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 166, 160, 20, "Button", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 118, 160, 20, "Switch", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 184, 142, 160, 20, "SDRAM", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 166, 160, 20, "FLASH", kHand},
    {"Panel1", Kind::Panel, "GroupBox1", 16, 196, 321, 3, nullptr},
    {"Label1", Kind::Label, "GroupBox1", 16, 202, 200, 20, "GPIO Header", {.bold = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 228, 94, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 112, 224, 144, 28, nullptr},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 258, 240, 28, nullptr, kHand},
    {"ImageGpio", Kind::Picture, "GroupBox1", 262, 202, 80, 80, nullptr, {.transparent = true}},
    {"Panel2", Kind::Panel, "GroupBox1", 16, 294, 321, 3, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 300, 200, 20, "HSMC", {.bold = true}},
    {"Label5", Kind::Label, "GroupBox1", 16, 326, 94, 20, "Prefix Name:"},
    {"EditPrefixHSMC", Kind::Edit, "GroupBox1", 112, 322, 144, 28, nullptr},
    {"ComboBoxHSMC", Kind::ComboBox, "GroupBox1", 16, 356, 240, 28, nullptr, kHand},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 262, 300, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace irvane
