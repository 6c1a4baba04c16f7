#pragma once
// The stored layout of the Fennic board form (board 6). Positions are the places the
// form's layout gives; sizes it leaves open are ours. GPIO-1's choice and prefix
// share the Kappel-A row: one pair of them is hidden at any time.

#include "platform/qt/FormLayout.h"

namespace fennic {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 4};
constexpr Style kDottedOutline{.penColor = kYellow, .penWidth = 1, .penStyle = PenStyle::Dotted};
constexpr Style kHand{.handCursor = true};
constexpr Style kHidden{.hidden = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormFennic", Kind::Form, nullptr, 0, 0, 791, 727, "Fennic", {.font = "MS Sans Serif", .fontPx = 16}},
    {"Panel1", Kind::Panel, nullptr, 8, 8, 417, 609, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 16, 401, 28, "Fennic FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 64, 400, 456, nullptr, {.transparent = true, .picture = "FENNIC_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 188, 162, 22, 17, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 128, 440, 113, 17, nullptr, kOutline},
    {"ShapeSeg7", Kind::Shape, "Panel1", 240, 440, 49, 41, nullptr, kOutline},
    {"ShapeTemp", Kind::Shape, "Panel1", 128, 400, 33, 17, nullptr, kOutline},
    {"ShapeSDCARD", Kind::Shape, "Panel1", 24, 450, 65, 67, nullptr, kDottedOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 190, 492, 99, 25, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 132, 492, 53, 23, nullptr, kOutline},
    {"ShapeDDR2", Kind::Shape, "Panel1", 342, 316, 64, 189, nullptr, kOutline},
    {"ShapeSma", Kind::Shape, "Panel1", 334, 82, 67, 28, nullptr, kOutline},
    {"ShapeUSB", Kind::Shape, "Panel1", 170, 80, 119, 41, nullptr, kOutline},
    {"ShapeDIP", Kind::Shape, "Panel1", 190, 462, 36, 22, nullptr, kOutline},
    {"ShapeGPIO_0", Kind::Shape, "Panel1", 323, 116, 25, 154, nullptr, kOutline},
    {"ShapeGPIO_1", Kind::Shape, "Panel1", 378, 116, 25, 154, nullptr, kOutline},
    {"ShapeKappel_A", Kind::Shape, "Panel1", 296, 108, 24, 170, nullptr, kOutline},
    {"ShapeKappel_B", Kind::Shape, "Panel1", 296, 324, 24, 170, nullptr, kOutline},
    {"ShapeKappel_C", Kind::Shape, "Panel1", 94, 324, 24, 170, nullptr, kOutline},
    {"ShapeKappel_D", Kind::Shape, "Panel1", 94, 108, 24, 170, nullptr, kOutline},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 176, 65, 1, nullptr, kDottedOutline},
    {"ImageVeltrax", Kind::Picture, "Panel1", 8, 555, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ImageAltera", Kind::Picture, "Panel1", 106, 551, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, "Panel1", 224, 566, 185, 35, "Change Main Board", kHand},
    {"ButtonSave", Kind::Button, nullptr, 24, 631, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 24, 679, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 232, 631, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 232, 679, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 353, 720, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 24, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 16, 92, 92, 20, "Board Type: "},
    {"ComboBoxBoard", Kind::ComboBox, "GroupBox1", 112, 88, 233, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 131, 160, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 153, 160, 17, "LED x 24", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 175, 160, 17, "Button x 4", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 197, 160, 17, "Switch x 18", kHand},
    {"CheckBoxSDCARD", Kind::CheckBox, "GroupBox1", 16, 220, 160, 17, "SDCARD", kHand},
    {"CheckBoxDDR2", Kind::CheckBox, "GroupBox1", 16, 244, 160, 17, "DDR2 SODIMM", kHand},
    {"CheckBoxTemp", Kind::CheckBox, "GroupBox1", 184, 130, 160, 17, "Temperature", kHand},
    {"CheckBoxSeg7", Kind::CheckBox, "GroupBox1", 184, 154, 160, 17, "7-Segment x 2", kHand},
    {"CheckBoxDIP", Kind::CheckBox, "GroupBox1", 184, 176, 160, 17, "DIP Switch x 8", kHand},
    {"CheckBoxUSB", Kind::CheckBox, "GroupBox1", 184, 198, 160, 17, "USB", kHand},
    {"CheckBoxSma", Kind::CheckBox, "GroupBox1", 184, 220, 160, 17, "SMA", kHand},
    {"CheckBoxGPIO", Kind::CheckBox, "GroupBox1", 184, 244, 160, 17, "GPIO Header", kHand},
    {"LabelGPIO", Kind::Label, "GroupBox1", 16, 272, 200, 20, "GPIO-0", {.bold = true}},
    {"ComboBoxGPIO_0", Kind::ComboBox, "GroupBox1", 16, 296, 240, 24, nullptr},
    {"LabelPreGPIO_0", Kind::Label, "GroupBox1", 16, 332, 100, 20, "Prefix Name:"},
    {"EditGPIO_0", Kind::Edit, "GroupBox1", 120, 328, 136, 24, nullptr},
    {"ImageGPIO", Kind::Picture, "GroupBox1", 262, 280, 80, 80, nullptr, {.transparent = true}},
    {"LabelKappel_A", Kind::Label, "GroupBox1", 16, 352, 200, 20, "Kappel-A", {.bold = true}},
    {"ComboBoxKappel_A", Kind::ComboBox, "GroupBox1", 16, 376, 240, 24, nullptr},
    {"ComboBoxGPIO_1", Kind::ComboBox, "GroupBox1", 16, 376, 240, 24, nullptr, kHidden},
    {"Label3", Kind::Label, "GroupBox1", 16, 412, 100, 20, "Prefix Name:"},
    {"EditKappel_A", Kind::Edit, "GroupBox1", 120, 408, 136, 24, nullptr},
    {"EditGPIO_1", Kind::Edit, "GroupBox1", 120, 408, 136, 24, nullptr, kHidden},
    {"ImageKappel_A", Kind::Picture, "GroupBox1", 262, 360, 80, 80, nullptr, {.transparent = true}},
    {"LabelKappel_B", Kind::Label, "GroupBox1", 16, 432, 200, 20, "Kappel-B", {.bold = true}},
    {"ComboBoxKappel_B", Kind::ComboBox, "GroupBox1", 16, 456, 240, 24, nullptr},
    {"Label4", Kind::Label, "GroupBox1", 16, 492, 100, 20, "Prefix Name:"},
    {"EditKappel_B", Kind::Edit, "GroupBox1", 120, 488, 136, 24, nullptr},
    {"ImageKappel_B", Kind::Picture, "GroupBox1", 262, 440, 80, 80, nullptr, {.transparent = true}},
    {"LabelKappel_C", Kind::Label, "GroupBox1", 16, 512, 200, 20, "Kappel-C", {.bold = true}},
    {"ComboBoxKappel_C", Kind::ComboBox, "GroupBox1", 16, 536, 240, 24, nullptr},
    {"Label5", Kind::Label, "GroupBox1", 16, 572, 100, 20, "Prefix Name:"},
    {"EditKappel_C", Kind::Edit, "GroupBox1", 120, 568, 136, 24, nullptr},
    {"ImageKappel_C", Kind::Picture, "GroupBox1", 262, 520, 80, 80, nullptr, {.transparent = true}},
    {"LabelKappel_D", Kind::Label, "GroupBox1", 16, 592, 200, 20, "Kappel-D", {.bold = true}},
    {"ComboBoxKappel_D", Kind::ComboBox, "GroupBox1", 16, 616, 240, 24, nullptr},
    {"Label6", Kind::Label, "GroupBox1", 16, 652, 100, 20, "Prefix Name:"},
    {"EditKappel_D", Kind::Edit, "GroupBox1", 120, 648, 136, 24, nullptr},
    {"ImageKappel_D", Kind::Picture, "GroupBox1", 262, 600, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace fennic
