#pragma once
// The stored layout of the Ulmaro board form (board 21).

#include "platform/qt/FormLayout.h"

namespace ulmaro {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 3};
constexpr Style kDotted{.penColor = kYellow, .penWidth = 1, .penStyle = PenStyle::Dotted};
constexpr Style kHand{.handCursor = true};
constexpr Style kBold{.bold = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormUlmaro", Kind::Form, nullptr, 0, 0, 798, 519, "Ulmaro V1.1.1", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 345, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Ulmaro FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 24, 40, 377, 300, nullptr, {.transparent = true, .picture = "ULMARO_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 240, 124, 20, 20, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 58, 290, 156, 12, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 215, 304, 115, 30, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 58, 305, 156, 29, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 161, 41, 68, 49, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "Panel1", 182, 232, 56, 30, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "Panel1", 50, 51, 72, 43, nullptr, kOutline},
    {"ShapeVideoIn", Kind::Shape, "Panel1", 124, 49, 29, 41, nullptr, kOutline},
    {"ShapeADC", Kind::Shape, "Panel1", 34, 222, 22, 48, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 62, 258, 111, 31, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "Panel1", 334, 318, 43, 18, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "Panel1", 27, 105, 35, 32, nullptr, kOutline},
    {"ShapeHPS", Kind::Shape, "Panel1", 219, 153, 30, 30, nullptr, kOutline},
    {"ShapeGpio0", Kind::Shape, "Panel1", 330, 136, 24, 124, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "Panel1", 374, 136, 24, 124, nullptr, kOutline},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 144, 65, 1, nullptr, kDotted},
    {"ShapeEPCQ", Kind::Shape, "Panel1", 156, 227, 22, 29, nullptr, kDotted},
    {"ButtonSave", Kind::Button, nullptr, 16, 423, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 471, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 423, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 471, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 504, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 160, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 124, 160, 17, "LED x 10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 153, 160, 17, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 124, 160, 17, "Switch x 10", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 181, 160, 17, "VGA", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 238, 160, 17, "SDRAM, 32MB", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 16, 210, 160, 17, "Audio", kHand},
    {"CheckBoxVideoIn", Kind::CheckBox, "GroupBox1", 184, 181, 160, 17, "Video-In", kHand},
    {"CheckBoxADC", Kind::CheckBox, "GroupBox1", 184, 209, 160, 17, "ADC", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 96, 160, 17, "7-Segment x 6", kHand},
    {"CheckBoxIR", Kind::CheckBox, "GroupBox1", 184, 152, 160, 17, "IR TX/RX", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 184, 238, 160, 17, "PS2", kHand},
    {"CheckBoxHPS", Kind::CheckBox, "GroupBox1", 16, 267, 160, 17, "HPS", kHand},
    {"Label1", Kind::Label, "GroupBox1", 16, 296, 200, 20, "GPIO-0 Header", kBold},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox1", 16, 320, 240, 28, nullptr, kHand},
    {"Label4", Kind::Label, "GroupBox1", 16, 352, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox1", 120, 352, 136, 28, nullptr},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 320, 80, 80, nullptr, {.transparent = true}},
    {"Label2", Kind::Label, "GroupBox1", 16, 400, 200, 20, "GPIO-1 Header", kBold},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox1", 16, 424, 240, 28, nullptr, kHand},
    {"Label5", Kind::Label, "GroupBox1", 16, 456, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox1", 120, 456, 136, 28, nullptr},
    {"ImageGpio1", Kind::Picture, "GroupBox1", 262, 408, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace ulmaro
