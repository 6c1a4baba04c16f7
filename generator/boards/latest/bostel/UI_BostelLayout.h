#pragma once
// The stored layout of the Bostel board form (board 28).

#include "platform/qt/FormLayout.h"

namespace bostel {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kDotted{.penColor = kYellow, .penWidth = 2, .penStyle = PenStyle::Dotted};
constexpr Style kThinDotted{.penColor = kYellow, .penWidth = 1, .penStyle = PenStyle::Dotted};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormBostel", Kind::Form, nullptr, 0, 0, 793, 559, "MAX 10 Bostel V1.0.0", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.picture = "MAKER_LOGO"}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 23, 103, 41, nullptr, {.picture = "VENDOR_LOGO"}},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 417, 345, nullptr},
    {"LabelBoardName", Kind::Label, "Panel1", 8, 8, 401, 29, "MAX 10 Bostel FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "Panel1", 8, 48, 400, 281, nullptr, {.transparent = true, .picture = "BOSTEL_BOARD"}},
    {"ShapeOSC", Kind::Shape, "Panel1", 159, 237, 16, 19, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "Panel1", 266, 292, 115, 15, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "Panel1", 157, 309, 106, 19, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "Panel1", 266, 308, 115, 20, nullptr, kOutline},
    {"ShapeHex", Kind::Shape, "Panel1", 319, 260, 37, 29, nullptr, kDotted},
    {"ShapePowerMonitor", Kind::Shape, "Panel1", 26, 166, 14, 31, nullptr, kOutline},
    {"ShapeGsensor", Kind::Shape, "Panel1", 288, 232, 21, 13, nullptr, kOutline},
    {"ShapeHumiditySensor", Kind::Shape, "Panel1", 89, 312, 12, 13, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "Panel1", 247, 59, 65, 36, nullptr, kOutline},
    {"ShapeLightSensor", Kind::Shape, "Panel1", 226, 69, 17, 15, nullptr, kThinDotted},
    {"ShapeHdmiRx", Kind::Shape, "Panel1", 140, 56, 35, 28, nullptr, kOutline},
    {"ShapeSdCard", Kind::Shape, "Panel1", 359, 256, 36, 34, nullptr, kDotted},
    {"ShapeQspiFlash", Kind::Shape, "Panel1", 155, 259, 25, 27, nullptr, kDotted},
    {"ShapePS2", Kind::Shape, "Panel1", 100, 53, 32, 31, nullptr, kOutline},
    {"ShapeDDR3", Kind::Shape, "Panel1", 195, 265, 57, 35, nullptr, kOutline},
    {"ShapeUart2Usb", Kind::Shape, "Panel1", 381, 226, 19, 18, nullptr, kOutline},
    {"ShapeEthernet", Kind::Shape, "Panel1", 349, 181, 55, 36, nullptr, kOutline},
    {"ShapeDAC", Kind::Shape, "Panel1", 368, 151, 32, 20, nullptr, kOutline},
    {"ShapeMIPI", Kind::Shape, "Panel1", 190, 63, 34, 34, nullptr, kThinDotted},
    {"ShapeDrovik2", Kind::Shape, "Panel1", 84, 259, 31, 17, nullptr, kDotted},
    {"ShapeMoxen", Kind::Shape, "Panel1", 112, 215, 31, 35, nullptr, kOutline},
    {"ShapeADC", Kind::Shape, "Panel1", 318, 60, 80, 85, nullptr, {.penColor = kYellow, .penWidth = 2, .hidden = true}},
    {"ShapeKappel23", Kind::Shape, "Panel1", 96, 104, 65, 1, nullptr, kThinDotted},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 353, 544, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 160, 24, "CLOCK", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 184, 96, 160, 24, "Button x 5", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 127, 160, 24, "LED x 10", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 184, 127, 160, 24, "Switch x 10", kHand},
    {"CheckBoxHex", Kind::CheckBox, "GroupBox1", 16, 159, 160, 24, "7-Segment x2", kHand},
    {"CheckBoxPowerMonitor", Kind::CheckBox, "GroupBox1", 184, 159, 160, 24, "Power Monitor", kHand},
    {"CheckBoxGSensor", Kind::CheckBox, "GroupBox1", 16, 190, 160, 24, "G-sensor", kHand},
    {"CheckBoxHumiditySensor", Kind::CheckBox, "GroupBox1", 184, 190, 160, 24, "Humidity Sensor", kHand},
    {"CheckBoxLightSensor", Kind::CheckBox, "GroupBox1", 16, 222, 160, 24, "Light Sensor", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 184, 222, 160, 24, "Audio Codec", kHand},
    {"CheckBoxHdmiRx", Kind::CheckBox, "GroupBox1", 16, 253, 160, 24, "HDMI RX", kHand},
    {"CheckBoxSdCard", Kind::CheckBox, "GroupBox1", 184, 253, 160, 24, "microSD Card", kHand},
    {"CheckBoxPS2", Kind::CheckBox, "GroupBox1", 16, 285, 160, 24, "PS2", kHand},
    {"CheckBoxDAC", Kind::CheckBox, "GroupBox1", 184, 285, 160, 24, "DAC", kHand},
    {"CheckBoxQspiFlash", Kind::CheckBox, "GroupBox1", 16, 316, 160, 24, "QSPI Flash", kHand},
    {"CheckBoxUart2Usb", Kind::CheckBox, "GroupBox1", 184, 316, 160, 24, "UART to USB", kHand},
    {"CheckBoxDDR3", Kind::CheckBox, "GroupBox1", 16, 348, 160, 24, "DDR3 SDRAM", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 184, 348, 160, 24, "Ethernet", kHand},
    {"CheckBoxMIPI", Kind::CheckBox, "GroupBox1", 16, 380, 160, 24, "MIPI CS2 Camera", kHand},
    {"CheckBoxDrovik2", Kind::CheckBox, "GroupBox1", 184, 380, 160, 24, "LCD Touch Panel", kHand},
    // Stored far below the group box: never seen, and nothing reads it.
    {"CheckBox1", Kind::CheckBox, "GroupBox1", 184, 3290, 160, 24, "Line-in ADC", {.hidden = true, .handCursor = true}},
    {"Label1", Kind::Label, "GroupBox1", 16, 440, 240, 20, "Moxen 2x6 GPIO Header", {.bold = true}},
    {"ComboBoxMoxen", Kind::ComboBox, "GroupBox1", 16, 464, 240, 28, nullptr, kHand},
    {"Label4", Kind::Label, "GroupBox1", 16, 500, 100, 20, "Prefix Name:"},
    {"EditPrefixMoxen", Kind::Edit, "GroupBox1", 120, 496, 136, 28, nullptr},
    {"ImageGpio0", Kind::Picture, "GroupBox1", 262, 442, 80, 80, nullptr, {.transparent = true}},
    {"ButtonDefault", Kind::Button, nullptr, 16, 423, 190, 35, "Default Setting", kHand},
    {"ButtonSave", Kind::Button, nullptr, 16, 467, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 511, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 467, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 511, 190, 35, "Exit", kHand},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
};
// clang-format on

} // namespace bostel
