#pragma once
// The stored layout of the Tavrin board form (board 20).

#include "platform/qt/FormLayout.h"

namespace tavrin {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr int64_t kRed = 0x0000FF;
constexpr int64_t kBlue = 0xFF0000;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormTavrin", Kind::Form, nullptr, 0, 0, 796, 529, "Veltrax Tavrin V1.0.1", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 23, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 14, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 56, 409, 425, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 8, 393, 29, "Tavrin", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 40, 390, 317, nullptr, {.transparent = true, .picture = "TAVRIN_BOARD"}},
    {"ImageHex", Kind::Picture, "PanelFPGA", 50, 360, 135, 60, nullptr, {.transparent = true}},
    {"Shape1", Kind::Shape, "PanelFPGA", 68, 202, 100, 47, nullptr, {.penColor = kRed, .penWidth = 2}},
    {"LabelS1S2", Kind::Label, "PanelFPGA", 76, 206, 84, 18, "S1/S2", {.bold = true, .fontColor = kBlue}},
    {"Label2", Kind::Label, "PanelFPGA", 76, 226, 84, 18, "dip switch", {.bold = true, .fontColor = kBlue}},
    {"Shape2", Kind::Shape, "PanelFPGA", 142, 248, 3, 116, nullptr, {.penColor = kRed, .penWidth = 2}},
    {"ShapeKappel23", Kind::Shape, "PanelFPGA", 69, 145, 65, 1, nullptr, {.penColor = kYellow, .penStyle = PenStyle::Dotted}},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 242, 284, 57, 14, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "PanelFPGA", 41, 259, 84, 37, nullptr, kOutline},
    {"ShapeSeg7_x2", Kind::Shape, "PanelFPGA", 81, 259, 44, 37, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 40, 299, 319, 13, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 34, 316, 186, 35, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 221, 317, 138, 34, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "PanelFPGA", 300, 54, 40, 43, nullptr, kOutline},
    {"ShapeHDMI_TX", Kind::Shape, "PanelFPGA", 163, 43, 43, 34, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "PanelFPGA", 213, 40, 83, 55, nullptr, kOutline},
    {"ShapeSRAM", Kind::Shape, "PanelFPGA", 169, 190, 53, 33, nullptr, kOutline},
    {"ShapeLPDDR2", Kind::Shape, "PanelFPGA", 259, 125, 38, 36, nullptr, kOutline},
    {"ShapeUart2USB", Kind::Shape, "PanelFPGA", 117, 40, 34, 44, nullptr, kOutline},
    {"ShapeADC", Kind::Shape, "PanelFPGA", 187, 278, 51, 13, nullptr, kOutline},
    {"ShapeSi5338_I2C", Kind::Shape, "PanelFPGA", 283, 260, 8, 22, nullptr, kOutline},
    {"ShapeXcvrSma", Kind::Shape, "PanelFPGA", 343, 74, 52, 22, nullptr, kOutline},
    {"ShapeXcvrSma2", Kind::Shape, "PanelFPGA", 301, 102, 50, 23, nullptr, kOutline},
    {"ShapeGpio", Kind::Shape, "PanelFPGA", 9, 133, 23, 155, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "PanelFPGA", 372, 129, 23, 166, nullptr, kOutline},
    {"ShapeArduino_0", Kind::Shape, "PanelFPGA", 104, 147, 115, 13, nullptr, {.penColor = kYellow, .penWidth = 2, .hidden = true}},
    {"ShapeArduino_1", Kind::Shape, "PanelFPGA", 128, 278, 57, 13, nullptr, {.penColor = kYellow, .penWidth = 2, .hidden = true}},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 8, 485, 130, 35, "Default Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 147, 486, 130, 35, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 286, 486, 130, 35, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 486, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 614, 486, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 3, 353, 478, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 48, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 91, 160, 20, "CLOCK", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 91, 160, 20, "7-Segment x 4", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 117, 160, 20, "LED x 18", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 117, 160, 20, "Switch x 10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 144, 160, 20, "Button x 4", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 184, 144, 160, 20, "SD CARD", kHand},
    {"CheckBoxHDMI_TX", Kind::CheckBox, "GroupBox1", 16, 170, 160, 20, "HDMI TX", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 184, 170, 160, 20, "Audio", kHand},
    {"CheckBoxSRAM", Kind::CheckBox, "GroupBox1", 16, 197, 160, 20, "SRAM, 512KB", kHand},
    {"CheckBoxLPDDR2", Kind::CheckBox, "GroupBox1", 184, 197, 160, 20, "LPDDR2, 512MB", kHand},
    {"CheckBoxUart2USB", Kind::CheckBox, "GroupBox1", 16, 223, 160, 20, "UART to USB", kHand},
    {"CheckBoxADC", Kind::CheckBox, "GroupBox1", 184, 223, 160, 20, "ADC", kHand},
    {"CheckBoxSi5338_I2C", Kind::CheckBox, "GroupBox1", 16, 250, 160, 20, "SI5338 I2C", kHand},
    {"CheckBoxXcvrSma", Kind::CheckBox, "GroupBox1", 184, 250, 160, 20, "SMA XCVR (DNI)", kHand},
    {"Panel1", Kind::Panel, "GroupBox1", 16, 280, 321, 3, nullptr},
    {"Label1", Kind::Label, "GroupBox1", 16, 288, 200, 20, "GPIO Header", {.bold = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 314, 94, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 112, 312, 144, 28, nullptr},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 344, 240, 28, nullptr, kHand},
    {"ImageGpio", Kind::Picture, "GroupBox1", 262, 288, 80, 80, nullptr, {.transparent = true}},
    {"Panel2", Kind::Panel, "GroupBox1", 16, 376, 321, 3, nullptr},
    {"LabelKappel", Kind::Label, "GroupBox1", 16, 381, 200, 20, "HSMC", {.bold = true}},
    {"Label5", Kind::Label, "GroupBox1", 16, 410, 94, 20, "Prefix Name:"},
    {"EditPrefixHSMC", Kind::Edit, "GroupBox1", 112, 405, 144, 28, nullptr},
    {"ComboBoxHSMC", Kind::ComboBox, "GroupBox1", 16, 437, 240, 28, nullptr, kHand},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 262, 385, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace tavrin
