#pragma once
// The stored layout of the Galdor board form (board 7): the board picture on the left,
// the settings of the node shown on the right.

#include "platform/qt/FormLayout.h"

namespace galdor {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormGaldor", Kind::Form, nullptr, 0, 0, 794, 792, "HARLIN FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 14, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 6, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 10, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 52, 409, 688, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 6, 393, 29, "HARLIN FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 38, 399, 644, nullptr, {.transparent = true, .picture = "GALDOR_BOARD"}},
    {"ShapeHSMC_A", Kind::Shape, "PanelFPGA", 20, 46, 170, 22, nullptr, kOutline},
    {"ShapeHSMC_B", Kind::Shape, "PanelFPGA", 214, 46, 170, 22, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 250, 100, 30, 20, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "PanelFPGA", 250, 130, 30, 20, nullptr, kOutline},
    {"ShapeFan", Kind::Shape, "PanelFPGA", 250, 160, 40, 40, nullptr, kOutline},
    {"ShapeDDR2", Kind::Shape, "PanelFPGA", 20, 90, 40, 200, nullptr, kOutline},
    {"ShapeDDR3", Kind::Shape, "PanelFPGA", 80, 90, 60, 40, nullptr, kOutline},
    {"ShapeSSRAM", Kind::Shape, "PanelFPGA", 80, 140, 60, 40, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "PanelFPGA", 80, 190, 60, 40, nullptr, kOutline},
    {"ShapeEEPROM", Kind::Shape, "PanelFPGA", 80, 240, 40, 24, nullptr, kOutline},
    {"ShapeEthernet", Kind::Shape, "PanelFPGA", 320, 90, 64, 120, nullptr, kOutline},
    {"ShapeUSB", Kind::Shape, "PanelFPGA", 320, 220, 64, 40, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "PanelFPGA", 320, 270, 64, 40, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "PanelFPGA", 320, 320, 64, 30, nullptr, kOutline},
    {"ShapeFPGABridge", Kind::Shape, "PanelFPGA", 280, 420, 100, 40, nullptr, kOutline},
    {"ShapeLCD", Kind::Shape, "PanelFPGA", 20, 420, 140, 44, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 20, 480, 160, 14, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 20, 504, 160, 24, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 20, 540, 160, 24, nullptr, kOutline},
    {"ShapePCIe", Kind::Shape, "PanelFPGA", 150, 610, 110, 24, nullptr, kOutline},
    {"ShapeHSMC_C", Kind::Shape, "PanelFPGA", 20, 650, 170, 22, nullptr, kOutline},
    {"ShapeHSMC_D", Kind::Shape, "PanelFPGA", 214, 650, 170, 22, nullptr, kOutline},
    {"ButtonLoad", Kind::Button, nullptr, 8, 748, 130, 35, "Load Setting", kHand},
    {"ButtonSave", Kind::Button, nullptr, 147, 748, 130, 35, "Save Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 748, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 614, 748, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 3, 353, 737, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 46, 326, 28, nullptr},
    {"LabelBoard", Kind::Label, "GroupBox1", 16, 84, 160, 20, "Board Type: "},
    {"ComboBoxBoard", Kind::ComboBox, "GroupBox1", 180, 80, 162, 28, nullptr, kHand},
    {"LabelFPGA", Kind::Label, "GroupBox1", 16, 116, 160, 20, "Current FPGA Node:"},
    {"ComboBoxFPGA", Kind::ComboBox, "GroupBox1", 180, 112, 162, 28, nullptr, kHand},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 148, 160, 20, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 171, 160, 20, "LED x  8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 194, 160, 20, "Button x 8", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 217, 160, 20, "Switch x 8", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 16, 240, 160, 20, "SDCARD", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 16, 263, 160, 20, "SMA", kHand},
    {"CheckBoxUSB", Kind::CheckBox, "GroupBox1", 16, 286, 160, 20, "USB FIFO", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 16, 309, 160, 20, "Temperature", kHand},
    {"CheckBoxDDR2", Kind::CheckBox, "GroupBox1", 16, 332, 160, 20, "DDR2 SODIMM", kHand},
    {"CheckBoxDDR3", Kind::CheckBox, "GroupBox1", 184, 148, 160, 20, "DDR3 (256MB)", kHand},
    {"CheckBoxPCIe", Kind::CheckBox, "GroupBox1", 184, 171, 160, 20, "PCIe", kHand},
    {"CheckBoxFPGABridge", Kind::CheckBox, "GroupBox1", 184, 194, 160, 20, "FPGA Bridge (!)", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 184, 217, 160, 20, "Fan Control", kHand},
    {"CheckBoxSSRAM", Kind::CheckBox, "GroupBox1", 184, 240, 160, 20, "SSRAM (2MB)", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 263, 160, 20, "Flash (64MB)", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 184, 286, 160, 20, "LCD", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 184, 309, 160, 20, "Ethernet x 4", kHand},
    {"CheckBoxEEPROM", Kind::CheckBox, "GroupBox1", 184, 332, 160, 20, "EEPROM (?)", kHand},
    {"PanelHSMC_A", Kind::Panel, "GroupBox1", 16, 358, 321, 3, nullptr},
    {"LabelHSMC_A", Kind::Label, "GroupBox1", 16, 364, 200, 20, "HSMC-A", {.bold = true}},
    {"LabelPrefix_A", Kind::Label, "GroupBox1", 16, 390, 100, 20, "Prefix Name:"},
    {"EditHSMC_A", Kind::Edit, "GroupBox1", 120, 386, 136, 28, nullptr},
    {"ComboBoxHSMC_A", Kind::ComboBox, "GroupBox1", 16, 418, 240, 28, nullptr, kHand},
    {"ImageHSMC_A", Kind::Picture, "GroupBox1", 262, 364, 80, 80, nullptr, {.transparent = true}},
    {"PanelHSMC_B", Kind::Panel, "GroupBox1", 16, 452, 321, 3, nullptr},
    {"LabelHSMC_B", Kind::Label, "GroupBox1", 16, 458, 200, 20, "HSMC-B", {.bold = true}},
    {"LabelPrefix_B", Kind::Label, "GroupBox1", 16, 484, 100, 20, "Prefix Name:"},
    {"EditHSMC_B", Kind::Edit, "GroupBox1", 120, 480, 136, 28, nullptr},
    {"ComboBoxHSMC_B", Kind::ComboBox, "GroupBox1", 16, 512, 240, 28, nullptr, kHand},
    {"ImageHSMC_B", Kind::Picture, "GroupBox1", 262, 458, 80, 80, nullptr, {.transparent = true}},
    {"PanelHSMC_C", Kind::Panel, "GroupBox1", 16, 546, 321, 3, nullptr},
    {"LabelHSMC_C", Kind::Label, "GroupBox1", 16, 552, 200, 20, "HSMC-C", {.bold = true}},
    {"LabelPrefix_C", Kind::Label, "GroupBox1", 16, 578, 100, 20, "Prefix Name:"},
    {"EditHSMC_C", Kind::Edit, "GroupBox1", 120, 574, 136, 28, nullptr},
    {"ComboBoxHSMC_C", Kind::ComboBox, "GroupBox1", 16, 606, 240, 28, nullptr, kHand},
    {"ImageHSMC_C", Kind::Picture, "GroupBox1", 262, 552, 80, 80, nullptr, {.transparent = true}},
    {"PanelHSMC_D", Kind::Panel, "GroupBox1", 16, 640, 321, 3, nullptr},
    {"LabelHSMC_D", Kind::Label, "GroupBox1", 16, 646, 200, 20, "HSMC-D", {.bold = true}},
    {"LabelPrefix_D", Kind::Label, "GroupBox1", 16, 672, 100, 20, "Prefix Name:"},
    {"EditHSMC_D", Kind::Edit, "GroupBox1", 120, 668, 136, 28, nullptr},
    {"ComboBoxHSMC_D", Kind::ComboBox, "GroupBox1", 16, 700, 240, 28, nullptr, kHand},
    {"ImageHSMC_D", Kind::Picture, "GroupBox1", 262, 646, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace galdor
