#pragma once
// The stored layout of the Selvik board form (board 19).

#include "platform/qt/FormLayout.h"

namespace selvik {

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
    {"FormSelvik", Kind::Form, nullptr, 0, 0, 794, 485, "Cylone V Selvik V1.0.1", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageVeltrax", Kind::Picture, nullptr, 8, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"PanelFPGA", Kind::Panel, nullptr, 8, 64, 409, 361, nullptr},
    {"LabelBoardName", Kind::Label, "PanelFPGA", 8, 8, 393, 29, "Cylone V Selvik Evaluation Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelFPGA", 5, 41, 400, 316, nullptr, {.transparent = true, .picture = "SELVIK_BOARD"}},
    {"ShapeEPCQ", Kind::Shape, "PanelFPGA", 314, 147, 29, 19, nullptr, kOutline},
    {"ShapeEEPROM", Kind::Shape, "PanelFPGA", 191, 156, 17, 17, nullptr, kDotted},
    {"ShapeKappel23", Kind::Shape, "PanelFPGA", 93, 153, 65, 1, nullptr, kDotted},
    {"ShapeOSC", Kind::Shape, "PanelFPGA", 273, 284, 17, 16, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelFPGA", 195, 310, 51, 14, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelFPGA", 248, 328, 77, 22, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelFPGA", 192, 326, 54, 26, nullptr, kOutline},
    {"ShapeDDR3", Kind::Shape, "PanelFPGA", 246, 121, 67, 45, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "PanelFPGA", 384, 316, 17, 18, nullptr, kDotted},
    {"ShapeVGA", Kind::Shape, "PanelFPGA", 221, 45, 83, 59, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "PanelFPGA", 310, 46, 82, 59, nullptr, kOutline},
    {"ShapeTemperature", Kind::Shape, "PanelFPGA", 313, 309, 17, 16, nullptr, kOutline},
    {"ShapeSi5338", Kind::Shape, "PanelFPGA", 273, 301, 17, 16, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "PanelFPGA", 375, 128, 26, 169, nullptr, kOutline},
    {"ShapeHsmc3V3", Kind::Shape, "PanelFPGA", 373, 336, 7, 15, nullptr, kDotted},
    {"ShapeHsmc2V5", Kind::Shape, "PanelFPGA", 365, 336, 7, 15, nullptr, kDotted},
    {"ShapeHsmc1V8", Kind::Shape, "PanelFPGA", 357, 336, 7, 15, nullptr, kDotted},
    {"ShapeHsmc1V5", Kind::Shape, "PanelFPGA", 349, 336, 7, 15, nullptr, kDotted},
    {"ButtonLoad", Kind::Button, nullptr, 16, 438, 190, 35, "Load Setting...", kHand},
    {"ButtonSave", Kind::Button, nullptr, 224, 438, 190, 35, "Save Setting...", kHand},
    {"ButtonGen", Kind::Button, nullptr, 432, 438, 170, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 616, 438, 170, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 15, 353, 410, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 40, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 64, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 107, 160, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 184, 105, 160, 20, "LED x 4", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 137, 160, 20, "Button x 4, Reset", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 136, 160, 20, "Switch x 4", kHand},
    {"CheckBoxDDR3", Kind::CheckBox, "GroupBox1", 16, 168, 160, 20, "DDR3", kHand},
    {"CheckBoxIR", Kind::CheckBox, "GroupBox1", 184, 167, 160, 20, "IR Receiver", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 199, 160, 20, "VGA", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 184, 198, 160, 20, "Audio", kHand},
    {"CheckBoxTemperature", Kind::CheckBox, "GroupBox1", 16, 230, 160, 20, "Temperature", kHand},
    {"CheckBoxSi5338", Kind::CheckBox, "GroupBox1", 184, 230, 160, 20, "Si5338 I2C", kHand},
    {"Panel1", Kind::Panel, "GroupBox1", 17, 266, 320, 3, nullptr},
    {"LabelKappel", Kind::Label, "GroupBox1", 16, 277, 200, 20, "HSMC", {.bold = true}},
    {"Label1", Kind::Label, "GroupBox1", 26, 309, 84, 20, "IO Voltage:"},
    {"ComboBoxHsmcVol", Kind::ComboBox, "GroupBox1", 112, 301, 144, 28, nullptr, kHand},
    {"Label4", Kind::Label, "GroupBox1", 16, 338, 94, 20, "Prefix Name:"},
    {"EditPrefixHSMC", Kind::Edit, "GroupBox1", 112, 333, 144, 28, nullptr},
    {"ComboBoxHSMC", Kind::ComboBox, "GroupBox1", 16, 365, 240, 28, nullptr, kHand},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 262, 313, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace selvik
