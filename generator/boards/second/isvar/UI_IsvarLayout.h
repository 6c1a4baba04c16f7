#pragma once
// The stored layout of the Isvar board form (board 9).

#include "platform/qt/FormLayout.h"

namespace isvar {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormIsvar", Kind::Form, nullptr, 0, 0, 828, 642, "Isvar FPGA Board", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 14, 103, 30, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 6, 93, 42, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 10, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 52, 409, 380, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 6, 393, 29, "Isvar FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 38, 399, 336, nullptr, {.transparent = true, .picture = "ISVAR_BOARD"}},
    {"ShapeHSMC_A", Kind::Shape, "PanelFPGA", 12, 46, 120, 18, nullptr, kOutline},
    {"ShapeHSMC_B", Kind::Shape, "PanelFPGA", 140, 46, 120, 18, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "PanelFPGA", 272, 46, 30, 20, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 312, 46, 30, 20, nullptr, kOutline},
    {"ShapeFan", Kind::Shape, "PanelFPGA", 352, 46, 44, 30, nullptr, kOutline},
    {"ShapeFMC_A", Kind::Shape, "PanelFPGA", 12, 80, 20, 120, nullptr, kOutline},
    {"ShapeFMC_B", Kind::Shape, "PanelFPGA", 38, 80, 20, 120, nullptr, kOutline},
    {"ShapeFMC_C", Kind::Shape, "PanelFPGA", 12, 210, 20, 120, nullptr, kOutline},
    {"ShapeFMC_D", Kind::Shape, "PanelFPGA", 38, 210, 20, 120, nullptr, kOutline},
    {"ShapeDDR3", Kind::Shape, "PanelFPGA", 372, 90, 24, 150, nullptr, kOutline},
    {"ShapeSSRAM", Kind::Shape, "PanelFPGA", 300, 110, 60, 30, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "PanelFPGA", 300, 150, 60, 30, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "PanelFPGA", 300, 190, 40, 24, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "PanelFPGA", 80, 300, 80, 30, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 80, 340, 120, 14, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 220, 336, 80, 20, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 310, 336, 86, 20, nullptr, kOutline},
    {"GroupBoxFMC", Kind::GroupBox, nullptr, 8, 438, 409, 196, "FMC Expansion"},
    {"LabelFmcA", Kind::Label, "GroupBoxFMC", 12, 20, 186, 20, "FMC-A", {.bold = true}},
    {"LabelPrefixFmcA", Kind::Label, "GroupBoxFMC", 12, 44, 106, 20, "Prefix Name:"},
    {"EditFMC_A", Kind::Edit, "GroupBoxFMC", 120, 40, 80, 26, nullptr},
    {"ComboBoxFMC_A", Kind::ComboBox, "GroupBoxFMC", 12, 70, 188, 26, nullptr, kHand},
    {"LabelFmcB", Kind::Label, "GroupBoxFMC", 208, 20, 186, 20, "FMC-B", {.bold = true}},
    {"LabelPrefixFmcB", Kind::Label, "GroupBoxFMC", 208, 44, 106, 20, "Prefix Name:"},
    {"EditFMC_B", Kind::Edit, "GroupBoxFMC", 316, 40, 80, 26, nullptr},
    {"ComboBoxFMC_B", Kind::ComboBox, "GroupBoxFMC", 208, 70, 188, 26, nullptr, kHand},
    {"PanelFmc", Kind::Panel, "GroupBoxFMC", 12, 102, 384, 3, nullptr},
    {"LabelFmcC", Kind::Label, "GroupBoxFMC", 12, 108, 186, 20, "FMC-C", {.bold = true}},
    {"LabelPrefixFmcC", Kind::Label, "GroupBoxFMC", 12, 132, 106, 20, "Prefix Name:"},
    {"EditFMC_C", Kind::Edit, "GroupBoxFMC", 120, 128, 80, 26, nullptr},
    {"ComboBoxFMC_C", Kind::ComboBox, "GroupBoxFMC", 12, 158, 188, 26, nullptr, kHand},
    {"LabelFmcD", Kind::Label, "GroupBoxFMC", 208, 108, 186, 20, "FMC-D", {.bold = true}},
    {"LabelPrefixFmcD", Kind::Label, "GroupBoxFMC", 208, 132, 106, 20, "Prefix Name:"},
    {"EditFMC_D", Kind::Edit, "GroupBoxFMC", 316, 128, 80, 26, nullptr},
    {"ComboBoxFMC_D", Kind::ComboBox, "GroupBoxFMC", 208, 158, 188, 26, nullptr, kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 424, 3, 396, 218, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 24, 110, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 128, 20, 252, 26, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 56, 178, 20, "CLOCK ", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 80, 178, 20, "LED x 8", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 16, 104, 178, 20, "7-Segment x 4", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 128, 178, 20, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 152, 178, 20, "Slide Switch x 8", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 16, 176, 178, 20, "SMA", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 200, 56, 180, 20, "Temperature", kHand},
    {"CheckBoxDDR3", Kind::CheckBox, "GroupBox1", 200, 80, 180, 20, "DDR3 SODIMM", kHand},
    {"CheckBoxFan", Kind::CheckBox, "GroupBox1", 200, 104, 180, 20, "Fan Control", kHand},
    {"CheckBoxSSRAM", Kind::CheckBox, "GroupBox1", 200, 128, 180, 20, "SSRAM (2MB)", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 200, 152, 180, 20, "Flash (64MB)", kHand},
    {"GroupBoxHSMC", Kind::GroupBox, nullptr, 424, 226, 396, 196, "HSMC Expansion"},
    {"LabelHsmcA", Kind::Label, "GroupBoxHSMC", 16, 20, 250, 20, "HSMC-A", {.bold = true}},
    {"LabelPrefixHsmcA", Kind::Label, "GroupBoxHSMC", 16, 44, 108, 20, "Prefix Name:"},
    {"EditHSMC_A", Kind::Edit, "GroupBoxHSMC", 126, 40, 150, 26, nullptr},
    {"ComboBoxHSMC_A", Kind::ComboBox, "GroupBoxHSMC", 16, 70, 260, 26, nullptr, kHand},
    {"ImageHSMC_A", Kind::Picture, "GroupBoxHSMC", 300, 18, 80, 80, nullptr, {.transparent = true}},
    {"PanelHsmc", Kind::Panel, "GroupBoxHSMC", 16, 102, 364, 3, nullptr},
    {"LabelHsmcB", Kind::Label, "GroupBoxHSMC", 16, 108, 250, 20, "HSMC-B", {.bold = true}},
    {"LabelPrefixHsmcB", Kind::Label, "GroupBoxHSMC", 16, 132, 108, 20, "Prefix Name:"},
    {"EditHSMC_B", Kind::Edit, "GroupBoxHSMC", 126, 128, 150, 26, nullptr},
    {"ComboBoxHSMC_B", Kind::ComboBox, "GroupBoxHSMC", 16, 158, 260, 26, nullptr, kHand},
    {"ImageHSMC_B", Kind::Picture, "GroupBoxHSMC", 300, 106, 80, 80, nullptr, {.transparent = true}},
    {"ButtonLoad", Kind::Button, nullptr, 424, 432, 190, 34, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 630, 432, 190, 34, "Save Setting...", kHand},
    {"ButtonDefaultSetting", Kind::Button, nullptr, 424, 472, 190, 34, "Default Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 630, 472, 190, 34, "Generate...", kHand},
    {"ButtonExit", Kind::Button, nullptr, 630, 512, 190, 34, "Exit", kHand},
};
// clang-format on

} // namespace isvar
