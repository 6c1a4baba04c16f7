#pragma once
// The stored layout of the Hestor board form (board 100). Its components and captions
// are the board's own; the places are ours, in the style of its
// sibling forms and within its 806 x 474 client area. The form has no outlines.

#include "platform/qt/FormLayout.h"

namespace hestor {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormHestor", Kind::Form, nullptr, 0, 0, 806, 474, "Hestor Board", {.font = "MS Sans Serif", .fontPx = 16}},
    {"Panel1", Kind::Panel, nullptr, 8, 8, 417, 378, nullptr},
    {"ImageAltera", Kind::Picture, "Panel1", 8, 6, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, "Panel1", 116, 8, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"Button1", Kind::Button, "Panel1", 222, 14, 185, 35, "Change Main Board", kHand},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 60, 401, 28, "Arria II GX FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 48, 92, 321, 280, nullptr, {.transparent = true, .picture = "HESTOR_BOARD"}},
    {"ButtonSave", Kind::Button, nullptr, 16, 396, 190, 32, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 434, 190, 32, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 396, 190, 32, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 434, 190, 32, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 1, 366, 466, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 16, 26, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 48, 334, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 84, 164, 20, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 106, 164, 20, "LED x 4", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 16, 128, 164, 20, "Button x 2", kHand},
    {"CheckBoxDIP", Kind::CheckBox, "GroupBox1", 16, 150, 164, 20, "DIP x 4", kHand},
    {"CheckBoxLCD", Kind::CheckBox, "GroupBox1", 16, 172, 164, 20, "LCD(?)", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 16, 194, 164, 20, "Ethernet(?)", kHand},
    {"CheckBoxDDR2", Kind::CheckBox, "GroupBox1", 186, 84, 164, 20, "DDR2 SODIMM(!)", kHand},
    {"CheckBoxDDR3", Kind::CheckBox, "GroupBox1", 186, 106, 164, 20, "DDR3(!)", kHand},
    {"CheckBoxPciBus", Kind::CheckBox, "GroupBox1", 186, 128, 164, 20, "PCIe(!)", kHand},
    {"CheckBox2", Kind::CheckBox, "GroupBox1", 186, 150, 164, 20, "LED x 4", kHand},
    {"CheckBoxProgSoc", Kind::CheckBox, "GroupBox1", 186, 172, 164, 20, "Prog. OSC(/)", kHand},
    {"CheckBox6", Kind::CheckBox, "GroupBox1", 186, 194, 164, 20, "PCIe(!)", kHand},
    {"LabelPortA", Kind::Label, "GroupBox1", 16, 230, 200, 20, "HSMC - Port A", {.bold = true}},
    {"ComboBoxPortA", Kind::ComboBox, "GroupBox1", 16, 254, 250, 24, nullptr, kHand},
    {"Label2", Kind::Label, "GroupBox1", 16, 290, 100, 20, "Prefix Name:"},
    {"EditPrefixPortA", Kind::Edit, "GroupBox1", 120, 286, 146, 24, nullptr},
    {"ImagePortA", Kind::Picture, "GroupBox1", 274, 230, 80, 80, nullptr, {.transparent = true}},
    {"LabelPortB", Kind::Label, "GroupBox1", 16, 340, 200, 20, "HSMC - Port B", {.bold = true}},
    {"ComboBoxPortB", Kind::ComboBox, "GroupBox1", 16, 364, 250, 24, nullptr, kHand},
    {"Label3", Kind::Label, "GroupBox1", 16, 400, 100, 20, "Prefix Name:"},
    {"EditPrefixPortB", Kind::Edit, "GroupBox1", 120, 396, 146, 24, nullptr},
    {"ImagePortB", Kind::Picture, "GroupBox1", 274, 340, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace hestor
