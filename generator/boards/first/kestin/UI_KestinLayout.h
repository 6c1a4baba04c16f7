#pragma once
// The stored layout of the Kestin board form (board 11). Positions are the places the
// form's layout gives; sizes it leaves open are ours.

#include "platform/qt/FormLayout.h"

namespace kestin {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 4};
constexpr Style kDottedOutline{.penColor = kYellow, .penWidth = 1, .penStyle = PenStyle::Dotted};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormKestin", Kind::Form, nullptr, 0, 0, 810, 475, "Veltrax Kestin Board", {.font = "MS Sans Serif", .fontPx = 16}},
    {"Panel1", Kind::Panel, nullptr, 8, 16, 417, 345, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 28, "Cyclone III Kestin FPGA Board", {.fontPx = 24, .bold = true}},
    {"Image1", Kind::Picture, "Panel1", 8, 40, 400, 219, nullptr, {.transparent = true, .picture = "KESTIN_BOARD"}},
    {"ShapeDDR2", Kind::Shape, "Panel1", 144, 48, 153, 57, nullptr, kDottedOutline},
    {"ShapeOSC", Kind::Shape, "Panel1", 210, 74, 20, 20, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 176, 48, 33, 25, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 72, 48, 33, 17, nullptr, kOutline},
    {"ShapePio", Kind::Shape, "Panel1", 32, 48, 41, 17, nullptr, kOutline},
    {"ShapeBridge", Kind::Shape, "Panel1", 208, 192, 49, 41, nullptr, kOutline},
    {"ShapeKappel1", Kind::Shape, "Panel1", 304, 88, 25, 129, nullptr, kOutline},
    {"ShapeKappel2", Kind::Shape, "Panel1", 158, 88, 25, 129, nullptr, kOutline},
    {"ShapeKappel3", Kind::Shape, "Panel1", 72, 88, 25, 129, nullptr, kOutline},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 144, 65, 1, nullptr, kDottedOutline},
    {"ImageVeltrax", Kind::Picture, "Panel1", 8, 291, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ImageAltera", Kind::Picture, "Panel1", 106, 287, 103, 50, nullptr, {.picture = "VENDOR_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, "Panel1", 224, 302, 185, 35, "Change Main Board", kHand},
    {"ButtonSave", Kind::Button, nullptr, 16, 375, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 423, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 232, 375, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 232, 423, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 440, 8, 360, 457, "System Configuration"},
    {"Label1", Kind::Label, "GroupBox1", 24, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 24, 56, 320, 24, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 24, 96, 320, 17, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 24, 120, 320, 17, "LED x 4", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 24, 144, 320, 17, "Button x 2", kHand},
    {"CheckBoxGpio", Kind::CheckBox, "GroupBox1", 24, 168, 320, 17, "PIO Header", kHand},
    {"CheckBoxDDR2", Kind::CheckBox, "GroupBox1", 24, 192, 320, 17, "DDR2 SODIMM", kHand},
    {"CheckBoxPciBus", Kind::CheckBox, "GroupBox1", 24, 216, 320, 17, "PCI Bridge Local Bus", kHand},
    {"LabelKappel23", Kind::Label, "GroupBox1", 24, 248, 240, 20, "Kappel 2/3 Connector", {.bold = true}},
    {"ComboBoxKappel23", Kind::ComboBox, "GroupBox1", 24, 272, 240, 24, nullptr},
    {"Label2", Kind::Label, "GroupBox1", 24, 308, 100, 20, "Prefix Name:"},
    {"EditPrefixKappel23", Kind::Edit, "GroupBox1", 128, 304, 136, 24, nullptr},
    {"ImageKappel23", Kind::Picture, "GroupBox1", 270, 272, 80, 80, nullptr, {.transparent = true}},
    {"LabelKappel1", Kind::Label, "GroupBox1", 24, 360, 240, 20, "Kappel 1 Connector", {.bold = true}},
    {"ComboBoxKappel1", Kind::ComboBox, "GroupBox1", 24, 384, 240, 24, nullptr},
    {"Label3", Kind::Label, "GroupBox1", 24, 420, 100, 20, "Prefix Name:"},
    {"EditPrefixKappel1", Kind::Edit, "GroupBox1", 128, 416, 136, 24, nullptr},
    {"ImageKappel1", Kind::Picture, "GroupBox1", 270, 368, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace kestin
