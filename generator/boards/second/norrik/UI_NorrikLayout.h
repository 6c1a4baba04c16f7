#pragma once
// The stored layout of the Norrik board form (board 14).

#include "platform/qt/FormLayout.h"

namespace norrik {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormNorrik", Kind::Form, nullptr, 0, 0, 794, 561, "Norrik Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 14, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 6, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 10, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 52, 409, 456, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 6, 393, 29, "Norrik Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 38, 399, 412, nullptr, {.transparent = true, .picture = "NORRIK_BOARD"}},
    {"ShapeEthernet", Kind::Shape, "PanelFPGA", 12, 46, 40, 40, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "PanelFPGA", 56, 46, 60, 40, nullptr, kOutline},
    {"ShapeRS232", Kind::Shape, "PanelFPGA", 120, 46, 50, 40, nullptr, kOutline},
    {"ShapeTvDecode", Kind::Shape, "PanelFPGA", 174, 46, 60, 40, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "PanelFPGA", 238, 46, 30, 30, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "PanelFPGA", 272, 46, 24, 20, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "PanelFPGA", 12, 100, 40, 40, nullptr, kOutline},
    {"ShapeEEPROM", Kind::Shape, "PanelFPGA", 60, 100, 30, 20, nullptr, kOutline},
    {"ShapeAccelerometer", Kind::Shape, "PanelFPGA", 60, 130, 30, 20, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 100, 160, 30, 20, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "PanelFPGA", 260, 100, 60, 40, nullptr, kOutline},
    {"ShapeSSRAM", Kind::Shape, "PanelFPGA", 260, 150, 60, 40, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "PanelFPGA", 260, 200, 60, 40, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "PanelFPGA", 376, 100, 22, 200, nullptr, kOutline},
    {"ShapeGpio", Kind::Shape, "PanelFPGA", 376, 310, 22, 110, nullptr, kOutline},
    {"ShapeLCD", Kind::Shape, "PanelFPGA", 12, 290, 120, 40, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "PanelFPGA", 140, 290, 150, 40, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 12, 340, 280, 14, nullptr, kOutline},
    {"ShapeLEDG8", Kind::Shape, "PanelFPGA", 296, 340, 70, 14, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 12, 362, 280, 20, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 296, 362, 70, 20, nullptr, kOutline},
    {"ShapePCIeHardIP", Kind::Shape, "PanelFPGA", 60, 404, 140, 22, nullptr, kOutline},
    {"ShapePCIeSoftIP", Kind::Shape, "PanelFPGA", 210, 404, 140, 22, nullptr, kOutline},
    {"ButtonLoad", Kind::Button, nullptr, 8, 516, 130, 35, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 147, 516, 130, 35, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 516, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 614, 516, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 3, 353, 504, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 46, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 82, 160, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 105, 160, 20, "LED x 27", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 16, 128, 160, 20, "7-Segment x 8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 151, 160, 20, "KEY x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 174, 160, 20, "Switch x 18", kHand},
    {"CheckBoxEEPROM", Kind::CheckBox, "GroupBox1", 16, 197, 160, 20, "EEPROM, 32Kb", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 16, 220, 160, 20, "SD CARD", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 243, 160, 20, "VGA", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 16, 266, 160, 20, "LCD", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 289, 160, 20, "SDRAM, 128MB", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 82, 160, 20, "FLASH, 64MB", kHand},
    {"CheckBoxRS232", Kind::CheckBox, "GroupBox1", 184, 105, 160, 20, "RS-232", kHand},
    {"CheckBoxAccelerometer", Kind::CheckBox, "GroupBox1", 184, 128, 160, 20, "Accelerometer", kHand},
    {"CheckBoxSSRAM", Kind::CheckBox, "GroupBox1", 184, 151, 160, 20, "SSRAM", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 184, 174, 160, 20, "SMA", kHand},
    {"CheckBoxIR", Kind::CheckBox, "GroupBox1", 184, 197, 160, 20, "IR Receiver", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 184, 220, 160, 20, "Ethernet", kHand},
    {"CheckBoxTvDecode", Kind::CheckBox, "GroupBox1", 184, 243, 160, 20, "TV Decoder", kHand},
    {"CheckBoxPCIeHardIP", Kind::CheckBox, "GroupBox1", 184, 266, 160, 20, "PCIe Hard IP", kHand},
    {"CheckBoxPCIeSoftIP", Kind::CheckBox, "GroupBox1", 184, 289, 160, 20, "PCIe Soft IP", kHand},
    {"Panel1", Kind::Panel, "GroupBox1", 16, 316, 321, 3, nullptr},
    {"Label1", Kind::Label, "GroupBox1", 16, 322, 200, 20, "GPIO Header", {.bold = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 348, 94, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 112, 344, 144, 28, nullptr},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 378, 240, 28, nullptr, kHand},
    {"ImageGpio", Kind::Picture, "GroupBox1", 262, 322, 80, 80, nullptr, {.transparent = true}},
    {"Panel2", Kind::Panel, "GroupBox1", 16, 412, 321, 3, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 418, 200, 20, "HSMC", {.bold = true}},
    {"Label5", Kind::Label, "GroupBox1", 16, 444, 94, 20, "Prefix Name:"},
    {"EditPrefixHSMC", Kind::Edit, "GroupBox1", 112, 440, 144, 28, nullptr},
    {"ComboBoxHSMC", Kind::ComboBox, "GroupBox1", 16, 474, 240, 28, nullptr, kHand},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 262, 418, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace norrik
