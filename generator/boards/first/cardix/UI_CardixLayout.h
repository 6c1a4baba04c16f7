#pragma once
// The stored layout of the Cardix board form (board 3).

#include "platform/qt/FormLayout.h"

namespace cardix {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 4};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormCardix", Kind::Form, nullptr, 0, 0, 793, 554, "Cardix", {.font = "MS Sans Serif", .fontPx = 16}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 15, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 19, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 232, 30, 185, 35, "Change Main Board", kHand},
    {"Panel1", Kind::Panel, nullptr, 8, 80, 417, 361, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "Cardix FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 16, 48, 391, 300, nullptr, {.picture = "CARDIX_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 222, 192, 22, 17, nullptr, kOutline},
    {"ShapeVGA", Kind::Shape, "Panel1", 238, 48, 49, 41, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 40, 296, 345, 17, nullptr, kOutline},
    {"ShapeLEDG8", Kind::Shape, "Panel1", 115, 274, 12, 12, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 38, 264, 155, 30, nullptr, kOutline},
    {"ShapePS2", Kind::Shape, "Panel1", 382, 86, 23, 23, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "Panel1", 354, 224, 49, 49, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 288, 314, 95, 25, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 32, 314, 233, 23, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "Panel1", 276, 244, 37, 30, nullptr, kOutline},
    {"ShapeSDRAM", Kind::Shape, "Panel1", 204, 212, 45, 29, nullptr, kOutline},
    {"ShapeLCD", Kind::Shape, "Panel1", 40, 188, 153, 69, nullptr, kOutline},
    {"ShapeRS232", Kind::Shape, "Panel1", 330, 48, 55, 41, nullptr, kOutline},
    {"ShapeSRAM", Kind::Shape, "Panel1", 212, 244, 37, 29, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "Panel1", 390, 309, 13, 15, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "Panel1", 144, 48, 60, 41, nullptr, kOutline},
    {"ShapeTvDecode", Kind::Shape, "Panel1", 208, 48, 25, 41, nullptr, kOutline},
    {"ShapeIR", Kind::Shape, "Panel1", 390, 290, 13, 20, nullptr, kOutline},
    {"ShapeUSB", Kind::Shape, "Panel1", 80, 56, 65, 33, nullptr, kOutline},
    {"ShapeEthernet", Kind::Shape, "Panel1", 294, 48, 30, 50, nullptr, kOutline},
    {"ShapeGpio0", Kind::Shape, "Panel1", 338, 116, 26, 101, nullptr, kOutline},
    {"ShapeGpio1", Kind::Shape, "Panel1", 374, 116, 26, 101, nullptr, kOutline},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 152, 65, 1, nullptr, {.penColor = kYellow, .penStyle = PenStyle::Dotted}},
    {"ButtonSave", Kind::Button, nullptr, 16, 455, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 503, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 455, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 503, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 544, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 99, 160, 17, "CLOCK", kHand},
    {"CheckBoxRS232", Kind::CheckBox, "GroupBox1", 184, 99, 160, 17, "RS232", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 122, 160, 17, "LED x 27", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 122, 160, 17, "7-Segment x 8", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 146, 160, 17, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 146, 160, 17, "Switch x 18", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 16, 169, 160, 17, "PS2", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 184, 169, 160, 17, "SDCARD", kHand},
    {"CheckBoxVGA", Kind::CheckBox, "GroupBox1", 16, 193, 160, 17, "VGA", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 184, 193, 160, 17, "LCD", kHand},
    {"CheckBoxSDRAM", Kind::CheckBox, "GroupBox1", 16, 217, 160, 17, "SDRAM, 8MB", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 184, 217, 160, 17, "FLASH, 4MB", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 16, 240, 160, 17, "Audio", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 184, 240, 160, 17, "SMA", kHand},
    {"CheckBoxSRAM", Kind::CheckBox, "GroupBox1", 16, 264, 160, 17, "SRAM, 512K", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 184, 264, 160, 17, "Ethernet", kHand},
    {"CheckBoxUSB", Kind::CheckBox, "GroupBox1", 16, 288, 160, 17, "USB", kHand},
    {"CheckBoxTvDecode", Kind::CheckBox, "GroupBox1", 184, 288, 160, 17, "TV Decoder", kHand},
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

} // namespace cardix
