#pragma once
// The stored layout of the Mirvo board form (board 13).

#include "platform/qt/FormLayout.h"

namespace mirvo {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormMirvo", Kind::Form, nullptr, 0, 0, 794, 547, "Mirvo FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 14, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 6, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 10, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 52, 409, 442, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 6, 393, 29, "Mirvo FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 38, 399, 398, nullptr, {.transparent = true, .picture = "MIRVO_BOARD"}},
    {"ShapeEthernet", Kind::Shape, "PanelFPGA", 12, 46, 40, 40, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "PanelFPGA", 56, 46, 60, 40, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "PanelFPGA", 120, 46, 60, 40, nullptr, kOutline},
    {"ShapeRS232", Kind::Shape, "PanelFPGA", 184, 46, 50, 40, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "PanelFPGA", 238, 46, 40, 40, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "PanelFPGA", 290, 46, 30, 30, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "PanelFPGA", 12, 110, 40, 40, nullptr, kOutline},
    {"ShapeEEPROM", Kind::Shape, "PanelFPGA", 60, 110, 30, 20, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 100, 150, 30, 20, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "PanelFPGA", 260, 110, 60, 40, nullptr, kOutline},
    {"ShapeSRAM", Kind::Shape, "PanelFPGA", 260, 160, 60, 40, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "PanelFPGA", 260, 210, 60, 40, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "PanelFPGA", 376, 100, 22, 200, nullptr, kOutline},
    {"ShapeGpio", Kind::Shape, "PanelFPGA", 376, 310, 22, 110, nullptr, kOutline},
    {"ShapeLCD", Kind::Shape, "PanelFPGA", 12, 300, 120, 40, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "PanelFPGA", 140, 300, 150, 40, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 12, 350, 280, 14, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 12, 372, 280, 20, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 296, 372, 70, 20, nullptr, kOutline},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 8, 502, 130, 35, "Default Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 147, 502, 130, 35, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 286, 502, 130, 35, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 502, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 614, 502, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 3, 353, 490, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 46, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 82, 160, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 105, 160, 20, "LED x 18", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 16, 128, 160, 20, "7-Segment x 4", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 151, 160, 20, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 174, 160, 20, "Switch x 10", kHand},
    {"CheckBoxEEPROM", Kind::CheckBox, "GroupBox1", 16, 197, 160, 20, "EEPROM", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 16, 220, 160, 20, "PS2", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 16, 243, 160, 20, "SD CARD", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 266, 160, 20, "VGA", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 184, 82, 160, 20, "SDRAM, 64MB", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 105, 160, 20, "FLASH, 8MB", kHand},
    {"CheckBoxRS232", Kind::CheckBox, "GroupBox1", 184, 128, 160, 20, "RS-232", kHand},
    {"CheckBoxSRAM", Kind::CheckBox, "GroupBox1", 184, 151, 160, 20, "SRAM, 2MB", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 184, 174, 160, 20, "SMA", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 184, 197, 160, 20, "Audio", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 184, 220, 160, 20, "Ethernet", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 184, 243, 160, 20, "LCD (Option)", kHand},
    {"Panel1", Kind::Panel, "GroupBox1", 16, 294, 321, 3, nullptr},
    {"Label1", Kind::Label, "GroupBox1", 16, 300, 200, 20, "GPIO Header", {.bold = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 326, 94, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 112, 322, 144, 28, nullptr},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 356, 240, 28, nullptr, kHand},
    {"ImageGpio", Kind::Picture, "GroupBox1", 262, 300, 80, 80, nullptr, {.transparent = true}},
    {"Panel2", Kind::Panel, "GroupBox1", 16, 392, 321, 3, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 398, 200, 20, "HSMC", {.bold = true}},
    {"Label5", Kind::Label, "GroupBox1", 16, 424, 94, 20, "Prefix Name:"},
    {"EditPrefixHSMC", Kind::Edit, "GroupBox1", 112, 420, 144, 28, nullptr},
    {"ComboBoxHSMC", Kind::ComboBox, "GroupBox1", 16, 454, 240, 28, nullptr, kHand},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 262, 398, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace mirvo
