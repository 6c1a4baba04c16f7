#pragma once
// The stored layout of the Elbrin board form (board 5).

#include "platform/qt/FormLayout.h"

namespace elbrin {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kDotted{.penColor = kYellow, .penWidth = 2, .penStyle = PenStyle::Dotted};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormElbrin", Kind::Form, nullptr, 0, 0, 794, 645, "Elbrin FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 14, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 6, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 10, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 52, 409, 536, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 6, 393, 29, "Elbrin FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 38, 399, 492, nullptr, {.transparent = true, .picture = "ELBRIN_BOARD"}},
    {"ShapeEthernet0", Kind::Shape, "PanelFPGA", 12, 46, 40, 40, nullptr, kOutline},
    {"ShapeEthernet1", Kind::Shape, "PanelFPGA", 56, 46, 40, 40, nullptr, kOutline},
    {"ShapeUSB", Kind::Shape, "PanelFPGA", 100, 46, 40, 40, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "PanelFPGA", 144, 46, 60, 40, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "PanelFPGA", 208, 46, 60, 40, nullptr, kOutline},
    {"ShapeRS232", Kind::Shape, "PanelFPGA", 272, 46, 50, 40, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "PanelFPGA", 326, 46, 40, 40, nullptr, kOutline},
    {"ShapeTvDecode", Kind::Shape, "PanelFPGA", 12, 100, 60, 40, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 100, 150, 30, 20, nullptr, kOutline},
    {"ShapeEJTAG", Kind::Shape, "PanelFPGA", 12, 150, 24, 60, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "PanelFPGA", 50, 150, 30, 30, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "PanelFPGA", 12, 220, 40, 40, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "PanelFPGA", 60, 220, 24, 20, nullptr, kOutline},
    {"ShapeEEPROM", Kind::Shape, "PanelFPGA", 60, 250, 30, 20, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "PanelFPGA", 260, 150, 60, 40, nullptr, kOutline},
    {"ShapeSRAM", Kind::Shape, "PanelFPGA", 260, 200, 60, 40, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "PanelFPGA", 260, 250, 60, 40, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "PanelFPGA", 376, 120, 22, 200, nullptr, kOutline},
    {"ShapeHsmc3V3", Kind::Shape, "PanelFPGA", 340, 120, 7, 15, nullptr, kDotted},
    {"ShapeHsmc2V5", Kind::Shape, "PanelFPGA", 348, 120, 7, 15, nullptr, kDotted},
    {"ShapeHsmc1V8", Kind::Shape, "PanelFPGA", 356, 120, 7, 15, nullptr, kDotted},
    {"ShapeHsmc1V5", Kind::Shape, "PanelFPGA", 364, 120, 7, 15, nullptr, kDotted},
    {"ShapeGpio", Kind::Shape, "PanelFPGA", 376, 340, 22, 140, nullptr, kOutline},
    {"ShapeGpio3V3", Kind::Shape, "PanelFPGA", 340, 340, 7, 15, nullptr, kDotted},
    {"ShapeGpio2V5", Kind::Shape, "PanelFPGA", 348, 340, 7, 15, nullptr, kDotted},
    {"ShapeGpio1V8", Kind::Shape, "PanelFPGA", 356, 340, 7, 15, nullptr, kDotted},
    {"ShapeGpio1V5", Kind::Shape, "PanelFPGA", 364, 340, 7, 15, nullptr, kDotted},
    {"ShapeLCD", Kind::Shape, "PanelFPGA", 12, 436, 120, 40, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "PanelFPGA", 140, 436, 150, 40, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 12, 486, 280, 14, nullptr, kOutline},
    {"ShapeLEDG8", Kind::Shape, "PanelFPGA", 296, 486, 70, 14, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 12, 506, 280, 20, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 296, 506, 70, 20, nullptr, kOutline},
    {"ButtonLoad", Kind::Button, nullptr, 8, 600, 130, 35, "Load Setting", kHand},
    {"ButtonSave", Kind::Button, nullptr, 147, 600, 130, 35, "Save Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 600, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 614, 600, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 3, 353, 590, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 46, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 82, 160, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 105, 160, 20, "LED x 27", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 16, 128, 160, 20, "7-Segment x 8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 151, 160, 20, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 174, 160, 20, "Switch x 18", kHand},
    {"CheckBoxEEPROM", Kind::CheckBox, "GroupBox1", 16, 197, 160, 20, "EEPROM, 32Kb", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 16, 220, 160, 20, "PS2", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 16, 243, 160, 20, "SD CARD", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 266, 160, 20, "VGA", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 16, 289, 160, 20, "LCD", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 312, 160, 20, "SDRAM, 128MB", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 82, 160, 20, "FLASH, 8MB", kHand},
    {"CheckBoxRS232", Kind::CheckBox, "GroupBox1", 184, 105, 160, 20, "RS-232", kHand},
    {"CheckBoxSRAM", Kind::CheckBox, "GroupBox1", 184, 128, 160, 20, "SRAM, 2MB", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 184, 151, 160, 20, "SMA", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 184, 174, 160, 20, "Audio", kHand},
    {"CheckBoxIR", Kind::CheckBox, "GroupBox1", 184, 197, 160, 20, "IR Receiver", kHand},
    {"CheckBoxUSB", Kind::CheckBox, "GroupBox1", 184, 220, 160, 20, "USB, Cypress", kHand},
    {"CheckBoxEthernet0", Kind::CheckBox, "GroupBox1", 184, 243, 160, 20, "Ethernet 1", kHand},
    {"CheckBoxEthernet1", Kind::CheckBox, "GroupBox1", 184, 266, 160, 20, "Ethernet 2", kHand},
    {"CheckBoxTvDecode", Kind::CheckBox, "GroupBox1", 184, 289, 160, 20, "TV Decoder", kHand},
    {"CheckBoxEJTAG", Kind::CheckBox, "GroupBox1", 184, 312, 160, 20, "EX_IO", kHand},
    {"Panel1", Kind::Panel, "GroupBox1", 16, 338, 321, 3, nullptr},
    {"Label1", Kind::Label, "GroupBox1", 16, 344, 200, 20, "GPIO Header", {.bold = true}},
    {"LabelGpioVol", Kind::Label, "GroupBox1", 16, 370, 94, 20, "I/O Voltage:"},
    {"ComboBoxGpioVol", Kind::ComboBox, "GroupBox1", 112, 366, 144, 28, nullptr, kHand},
    {"Label4", Kind::Label, "GroupBox1", 16, 402, 94, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 112, 398, 144, 28, nullptr},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 430, 240, 28, nullptr, kHand},
    {"ImageGpio", Kind::Picture, "GroupBox1", 262, 344, 80, 80, nullptr, {.transparent = true}},
    {"Panel2", Kind::Panel, "GroupBox1", 16, 464, 321, 3, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 470, 200, 20, "HSMC", {.bold = true}},
    {"LabelHsmcVol", Kind::Label, "GroupBox1", 16, 496, 94, 20, "I/O Voltage:"},
    {"ComboBoxHsmcVol", Kind::ComboBox, "GroupBox1", 112, 492, 144, 28, nullptr, kHand},
    {"Label5", Kind::Label, "GroupBox1", 16, 528, 94, 20, "Prefix Name:"},
    {"EditPrefixHSMC", Kind::Edit, "GroupBox1", 112, 524, 144, 28, nullptr},
    {"ComboBoxHSMC", Kind::ComboBox, "GroupBox1", 16, 556, 240, 28, nullptr, kHand},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 262, 470, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace elbrin
