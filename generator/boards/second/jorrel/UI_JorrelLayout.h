#pragma once
// The stored layout of the Jorrel board form (board 10).

#include "platform/qt/FormLayout.h"

namespace jorrel {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormJorrel", Kind::Form, nullptr, 0, 0, 793, 469, "Jorrel FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 14, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 6, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 10, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 52, 409, 366, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 6, 393, 29, "Jorrel FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 38, 399, 322, nullptr, {.transparent = true, .picture = "JORREL_BOARD"}},
    {"ShapeGpio0", Kind::Shape, "PanelFPGA", 20, 46, 170, 22, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "PanelFPGA", 214, 46, 170, 22, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 262, 118, 30, 20, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 330, 150, 60, 44, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "PanelFPGA", 40, 110, 100, 50, nullptr, kOutline},
    {"ShapeEPCS", Kind::Shape, "PanelFPGA", 40, 180, 44, 30, nullptr, kOutline},
    {"ShapeEEPROM", Kind::Shape, "PanelFPGA", 100, 180, 40, 24, nullptr, kOutline},
    {"ShapeADC", Kind::Shape, "PanelFPGA", 40, 240, 44, 30, nullptr, kOutline},
    {"ShapeAccelerometer", Kind::Shape, "PanelFPGA", 100, 240, 36, 30, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 290, 240, 90, 32, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 230, 290, 150, 14, nullptr, kOutline},
    {"ShapeHeader", Kind::Shape, "PanelFPGA", 20, 320, 160, 24, nullptr, kOutline},
    {"ButtonLoad", Kind::Button, nullptr, 8, 426, 130, 35, "Load Setting", kHand},
    {"ButtonSave", Kind::Button, nullptr, 147, 426, 130, 35, "Save Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 426, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 614, 426, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 3, 353, 415, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 46, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 84, 160, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 108, 160, 20, "LED x 8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 132, 160, 20, "Button x 2", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 156, 160, 20, "Dip Switch x 4", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 180, 160, 20, "SDRAM, 32MB", kHand},
    {"CheckBoxADC", Kind::CheckBox, "GroupBox1", 184, 84, 160, 20, "ADC", kHand},
    {"CheckBoxAccelerometer", Kind::CheckBox, "GroupBox1", 184, 108, 160, 20, "Accelerometer", kHand},
    {"CheckBoxEEPROM", Kind::CheckBox, "GroupBox1", 184, 132, 160, 20, "EEPROM, 2Kb", kHand},
    {"CheckBoxEPCS", Kind::CheckBox, "GroupBox1", 184, 156, 160, 20, "EPCS", kHand},
    {"CheckBoxHeader", Kind::CheckBox, "GroupBox1", 184, 180, 160, 20, "2x13 Pin Header", kHand},
    {"Panel1", Kind::Panel, "GroupBox1", 16, 208, 321, 3, nullptr},
    {"Label1", Kind::Label, "GroupBox1", 16, 214, 200, 20, "GPIO-0 Header", {.bold = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 240, 94, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox1", 112, 236, 144, 28, nullptr},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox1", 16, 270, 240, 28, nullptr, kHand},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 214, 80, 80, nullptr, {.transparent = true}},
    {"Panel2", Kind::Panel, "GroupBox1", 16, 304, 321, 3, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 310, 200, 20, "GPIO-1 Header", {.bold = true}},
    {"Label5", Kind::Label, "GroupBox1", 16, 336, 94, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox1", 112, 332, 144, 28, nullptr},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox1", 16, 366, 240, 28, nullptr, kHand},
    {"ImageGpio1", Kind::Picture, "GroupBox1", 262, 310, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace jorrel
