#pragma once
// The stored layout of the Forvik board form (board 32). In the form's layout the four
// buttons lie over the board panel and the panel's top over the logos and the
// "Change Main Board" button: here the panel starts 10 pixels lower (its height
// cut by as much) and the buttons sit inside it, at the places the layout gives them
// on the form. The three shapes laid out under the panel stay hidden, as the panel hid them.

#include "platform/qt/FormLayout.h"

namespace forvik {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr int64_t kLime = 0x00FF00;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 3};
constexpr Style kDotted{.penColor = kYellow, .penWidth = 1, .penStyle = PenStyle::Dotted};
constexpr Style kLimeFrame{.penColor = kLime, .penWidth = 2};
constexpr Style kUnderPanel{.penColor = kYellow, .penWidth = 3, .hidden = true};
constexpr Style kHand{.handCursor = true};

// The panel's top on the form; the buttons inside it keep their places on the form.
constexpr int kPanelTop = 58;

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormForvik", Kind::Form, nullptr, 0, 0, 789, 536, "Forvik V1.0.0", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 11, 103, 41, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"ShapeGpio1V5", Kind::Shape, nullptr, 217, 374, 18, 33, nullptr, kUnderPanel},
    {"Shape1", Kind::Shape, nullptr, 225, 382, 18, 33, nullptr, kUnderPanel},
    {"Shape2", Kind::Shape, nullptr, 214, 313, 114, 31, nullptr, kUnderPanel},
    {"Panel1", Kind::Panel, nullptr, 8, kPanelTop, 417, 471, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Forvik FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 40, 400, 312, nullptr, {.transparent = true, .picture = "FORVIK_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 240, 116, 20, 20, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 157, 41, 68, 49, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 42, 302, 172, 11, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 135, 271, 114, 31, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "Panel1", 19, 103, 32, 28, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 214, 313, 114, 31, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 44, 314, 168, 32, nullptr, kOutline},
    {"ShapeVideoIn", Kind::Shape, "Panel1", 118, 44, 29, 41, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "Panel1", 181, 235, 55, 29, nullptr, kOutline},
    {"ShapeADC", Kind::Shape, "Panel1", 18, 226, 22, 47, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "Panel1", 390, 293, 14, 39, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "Panel1", 40, 42, 72, 43, nullptr, kOutline},
    {"ShapeHPS", Kind::Shape, "Panel1", 220, 151, 30, 30, nullptr, kOutline},
    {"ShapeGpio", Kind::Shape, "Panel1", 336, 136, 24, 124, nullptr, kOutline},
    {"ShapeHSMC", Kind::Shape, "Panel1", 378, 127, 24, 142, nullptr, kOutline},
    {"ShapeEPCQ", Kind::Shape, "Panel1", 148, 215, 22, 23, nullptr, kDotted},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 144, 65, 1, nullptr, kDotted},
    {"Shape7", Kind::Shape, "Panel1", 328, 329, 41, 20, nullptr, kLimeFrame},
    {"Shape8", Kind::Shape, "Panel1", 360, 345, 5, 25, nullptr, kLimeFrame},
    {"ImageVol", Kind::Picture, "Panel1", 312, 371, 85, 85, nullptr, {.transparent = true, .picture = "FORVIK_JP3_BITMAP"}},
    {"ShapeHsmc1V5", Kind::Shape, "Panel1", 318, 405, 20, 43, nullptr, kLimeFrame},
    {"ShapeHsmc1V8", Kind::Shape, "Panel1", 336, 405, 20, 43, nullptr, kLimeFrame},
    {"ShapeHsmc2V5", Kind::Shape, "Panel1", 354, 405, 20, 43, nullptr, kLimeFrame},
    {"ShapeHsmc3V3", Kind::Shape, "Panel1", 372, 405, 20, 43, nullptr, kLimeFrame},
    {"ButtonLoad", Kind::Button, "Panel1", 16 - 8, 430 - kPanelTop, 140, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, "Panel1", 160 - 8, 430 - kPanelTop, 140, 35, "Generate", kHand},
    {"ButtonSave", Kind::Button, "Panel1", 16 - 8, 480 - kPanelTop, 140, 35, "Save Setting", kHand},
    {"ButtonExit", Kind::Button, "Panel1", 160 - 8, 480 - kPanelTop, 140, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 528, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 160, 24, "CLOCK", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 96, 160, 24, "7-Segment x 6", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 124, 160, 24, "LED x 10", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 124, 160, 24, "Switch x 10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 153, 160, 24, "Button x 4", kHand},
    {"CheckBoxIR", Kind::CheckBox, "GroupBox1", 184, 152, 160, 24, "IR TX/RX", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 181, 160, 24, "VGA", kHand},
    {"CheckBoxVideoIn", Kind::CheckBox, "GroupBox1", 184, 181, 160, 24, "Video-In", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 16, 210, 160, 24, "Audio", kHand},
    {"CheckBoxADC", Kind::CheckBox, "GroupBox1", 184, 209, 160, 24, "ADC", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 238, 160, 24, "SDRAM, 32MB", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 184, 238, 160, 24, "PS2", kHand},
    {"CheckBoxHPS", Kind::CheckBox, "GroupBox1", 16, 267, 160, 24, "HPS", kHand},
    {"Label1", Kind::Label, "GroupBox1", 16, 296, 200, 20, "GPIO Header (3.3V)", {.bold = true}},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 320, 240, 28, nullptr, kHand},
    {"ImageGpio", Kind::Picture, "GroupBox1", 262, 300, 80, 80, nullptr, {.transparent = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 352, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 120, 352, 136, 28, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 397, 200, 20, "HSMC Header", {.bold = true}},
    {"Label5", Kind::Label, "GroupBox1", 26, 428, 84, 20, "IO Voltage:"},
    {"ComboBoxHsmcVol", Kind::ComboBox, "GroupBox1", 112, 420, 144, 28, nullptr, kHand},
    {"ComboBoxHsmc", Kind::ComboBox, "GroupBox1", 16, 453, 240, 28, nullptr, kHand},
    {"ImageHSMC", Kind::Picture, "GroupBox1", 262, 433, 80, 80, nullptr, {.transparent = true}},
    {"Label6", Kind::Label, "GroupBox1", 16, 490, 94, 20, "Prefix Name:"},
    {"EditPrefixHsmc", Kind::Edit, "GroupBox1", 112, 485, 144, 28, nullptr},
};
// clang-format on

} // namespace forvik
