#pragma once
// The stored layout of the Vardis board form (board 22).

#include "platform/qt/FormLayout.h"

namespace vardis {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr int64_t kAqua = 0xFFFF00;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 3};
constexpr Style kHpsOutline{.penColor = kAqua, .penWidth = 3};
constexpr Style kHand{.handCursor = true};
constexpr Style kBold{.bold = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormVardis", Kind::Form, nullptr, 0, 0, 794, 515, "Vardis V1.0.0", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.autoSize = true, .picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.autoSize = true, .picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 345, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Vardis FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 40, 400, 297, nullptr, {.transparent = true, .picture = "VARDIS_BOARD"}},
    {"ShapePS2", Kind::Shape, "Panel1", 29, 49, 30, 26, nullptr, kOutline},
    {"ShapeOSC", Kind::Shape, "Panel1", 265, 124, 17, 17, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 95, 253, 96, 26, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 74, 287, 150, 12, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 73, 306, 146, 25, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 221, 307, 101, 26, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 195, 41, 63, 49, nullptr, kOutline},
    {"ShapeDDR3", Kind::Shape, "Panel1", 220, 224, 52, 30, nullptr, kOutline},
    {"ShapeGpio", Kind::Shape, "Panel1", 384, 140, 20, 111, nullptr, kOutline},
    {"ShapeHdmi", Kind::Shape, "Panel1", 153, 51, 39, 25, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "Panel1", 61, 46, 60, 42, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "Panel1", 358, 322, 29, 14, nullptr, kOutline},
    {"ShapeADC", Kind::Shape, "Panel1", 13, 178, 19, 37, nullptr, kOutline},
    {"ShapeVideoIn", Kind::Shape, "Panel1", 122, 47, 26, 41, nullptr, kOutline},
    {"ShapeHPS", Kind::Shape, "Panel1", 245, 148, 30, 30, nullptr, kHpsOutline},
    {"ShapeHpsDDR3", Kind::Shape, "Panel1", 289, 144, 33, 52, nullptr, kHpsOutline},
    {"ShapeHpsEthernet", Kind::Shape, "Panel1", 263, 45, 33, 47, nullptr, kHpsOutline},
    {"ShapeHpsSdcard", Kind::Shape, "Panel1", 360, 92, 36, 31, nullptr, kHpsOutline},
    {"ShapeHpsUsb", Kind::Shape, "Panel1", 304, 49, 57, 33, nullptr, kHpsOutline},
    {"ShapeHpsUart", Kind::Shape, "Panel1", 369, 51, 18, 24, nullptr, kHpsOutline},
    {"ShapeHpsLTC", Kind::Shape, "Panel1", 387, 260, 15, 44, nullptr, kHpsOutline},
    {"ShapeHpsLCD", Kind::Shape, "Panel1", 20, 218, 70, 58, nullptr, kHpsOutline},
    {"ShapeHpsLedButton", Kind::Shape, "Panel1", 345, 306, 14, 28, nullptr, kHpsOutline},
    {"ButtonSave", Kind::Button, nullptr, 16, 423, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 471, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 423, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 471, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 353, 496, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 112, 160, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 145, 160, 17, "LED x 10", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 178, 160, 17, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 144, 160, 17, "Switch x 10", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 211, 160, 17, "VGA", kHand},
    {"CheckBoxHDMI", Kind::CheckBox, "GroupBox1", 16, 244, 160, 17, "HDMI TX", kHand},
    {"CheckBoxDDR3", Kind::CheckBox, "GroupBox1", 16, 310, 160, 17, "DDR3, 1GB", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 16, 277, 160, 17, "Audio", kHand},
    {"CheckBoxVideoIn", Kind::CheckBox, "GroupBox1", 184, 209, 160, 17, "Video-In", kHand},
    {"CheckBoxADC", Kind::CheckBox, "GroupBox1", 184, 242, 160, 17, "ADC", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 112, 160, 17, "7-Segment x 6", kHand},
    {"CheckBoxIR", Kind::CheckBox, "GroupBox1", 184, 177, 160, 17, "IR TX/RX", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 184, 274, 160, 17, "PS2", kHand},
    {"CheckBoxHPS", Kind::CheckBox, "GroupBox1", 184, 307, 160, 17, "HPS", kHand},
    {"Label1", Kind::Label, "GroupBox1", 16, 376, 200, 20, "GPIO Header", kBold},
    {"ComboBoxGpio", Kind::ComboBox, "GroupBox1", 16, 400, 240, 28, nullptr, kHand},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 400, 80, 80, nullptr, {.transparent = true}},
    {"Label4", Kind::Label, "GroupBox1", 16, 432, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio", Kind::Edit, "GroupBox1", 120, 432, 136, 28, nullptr},
};
// clang-format on

} // namespace vardis
