#pragma once
// The stored layout of the Cardix board form (board 4).

#include "platform/qt/FormLayout.h"

namespace dorvel {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 4};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormDorvel", Kind::Form, nullptr, 0, 0, 792, 553, "Dorvel", {.font = "MS Sans Serif", .fontPx = 16}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 128, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 232, 22, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 72, 417, 369, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Dorvel FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 16, 56, 391, 300, nullptr, {.transparent = true, .picture = "DORVEL_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 268, 162, 22, 17, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 32, 304, 353, 17, nullptr, kOutline},
    {"ShapeLEDG8", Kind::Shape, "Panel1", 115, 282, 12, 12, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 30, 272, 163, 30, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 286, 322, 100, 25, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 32, 322, 249, 23, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "Panel1", 380, 94, 26, 27, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "Panel1", 352, 224, 49, 49, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 240, 56, 49, 41, nullptr, kOutline},
    {"ShapeLCD", Kind::Shape, "Panel1", 32, 192, 161, 70, nullptr, kOutline},
    {"ShapeSDRAM1", Kind::Shape, "Panel1", 196, 208, 45, 26, nullptr, kOutline},
    {"ShapeSDRAM2", Kind::Shape, "Panel1", 196, 238, 45, 26, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 316, 268, 37, 30, nullptr, kOutline},
    {"ShapeRS232", Kind::Shape, "Panel1", 328, 56, 61, 41, nullptr, kOutline},
    {"ShapeSSRAM", Kind::Shape, "Panel1", 258, 266, 46, 34, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "Panel1", 386, 314, 13, 13, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "Panel1", 120, 56, 60, 41, nullptr, kOutline},
    {"ShapeTvDecode1", Kind::Shape, "Panel1", 180, 56, 25, 41, nullptr, kOutline},
    {"ShapeTvDecode2", Kind::Shape, "Panel1", 208, 56, 25, 41, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "Panel1", 386, 298, 13, 20, nullptr, kOutline},
    {"ShapeUSB", Kind::Shape, "Panel1", 58, 64, 58, 33, nullptr, kOutline},
    {"ShapeEthernet", Kind::Shape, "Panel1", 296, 56, 30, 50, nullptr, kOutline},
    {"ShapeGpio0", Kind::Shape, "Panel1", 344, 124, 26, 101, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "Panel1", 380, 124, 26, 101, nullptr, kOutline},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 160, 65, 1, nullptr, {.penColor = kYellow, .penStyle = PenStyle::Dotted}},
    {"ButtonSave", Kind::Button, nullptr, 16, 455, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 503, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 455, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 503, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 544, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 91, 160, 17, "CLOCK", kHand},
    {"CheckBoxRS232", Kind::CheckBox, "GroupBox1", 184, 91, 160, 17, "RS232", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 112, 160, 17, "LED x 27", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 112, 160, 17, "7-Segment x 8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 134, 160, 17, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 134, 160, 17, "Switch x 18", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 16, 156, 160, 17, "PS2", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 184, 156, 160, 17, "SDCARD", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 178, 160, 17, "VGA", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 184, 178, 160, 17, "LCD", kHand},
    {"CheckBoxSDRAM1", Kind::CheckBox, "GroupBox1", 16, 200, 160, 17, "SDRAM_1, 32MB", kHand},
    {"CheckBoxSDRAM2", Kind::CheckBox, "GroupBox1", 184, 200, 160, 17, "SDRAM_2, 32MB", kHand},
    {"CheckBoxSSRAM", Kind::CheckBox, "GroupBox1", 16, 222, 160, 17, "SSRAM, 2MB", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 222, 160, 17, "FLASH, 8MB", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 16, 244, 160, 17, "Audio", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 184, 244, 160, 17, "SMA", kHand},
    {"CheckBoxUSB", Kind::CheckBox, "GroupBox1", 16, 266, 160, 17, "USB", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 184, 266, 160, 17, "Ethernet", kHand},
    {"CheckBoxTvDecode1", Kind::CheckBox, "GroupBox1", 16, 288, 160, 17, "TV Decoder 1", kHand},
    {"CheckBoxTvDecode2", Kind::CheckBox, "GroupBox1", 184, 288, 160, 17, "TV Decoder 2", kHand},
    {"CheckBoxIR", Kind::CheckBox, "GroupBox1", 16, 312, 160, 17, "IR", kHand},
    {"LabelGpio0", Kind::Label, "GroupBox1", 16, 336, 200, 20, "GPIO-0 Header", {.bold = true}},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox1", 16, 360, 240, 24, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 396, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox1", 120, 392, 136, 24, nullptr},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 360, 80, 80, nullptr, {.transparent = true}},
    {"LabelGpio1", Kind::Label, "GroupBox1", 16, 440, 200, 20, "GPIO-1 Header", {.bold = true}},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox1", 16, 464, 240, 24, nullptr},
    {"Label3", Kind::Label, "GroupBox1", 16, 500, 100, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox1", 120, 496, 136, 24, nullptr},
    {"ImageGpio1", Kind::Picture, "GroupBox1", 262, 448, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace dorvel
