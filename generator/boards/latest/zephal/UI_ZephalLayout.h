#pragma once
// The stored layout of the Zephal board form (board 26).

#include "platform/qt/FormLayout.h"

namespace zephal {

using platform::Kind;
using platform::LayoutRow;
using platform::PenStyle;
using platform::Style;

constexpr int64_t kFormColour = 15591915;
constexpr int64_t kYellow = 0x00FFFF;
constexpr int64_t kBlue = 0xFF0000;
constexpr Style kOutline{.penColor = kYellow, .penWidth = 2};
constexpr Style kDotted{.penColor = kYellow, .penWidth = 2, .penStyle = PenStyle::Dotted};
constexpr Style kHand{.handCursor = true};

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormZephal", Kind::Form, nullptr, 0, 0, 794, 517, "Zephal", {.font = "MS Sans Serif", .fontPx = 16, .color = kFormColour}},
    {"ImageAltera", Kind::Picture, nullptr, 10, 7, 103, 50, nullptr, {.autoSize = true, .picture = "VENDOR_LOGO"}},
    {"ImageVeltrax", Kind::Picture, nullptr, 120, 11, 93, 46, nullptr, {.autoSize = true, .picture = "MAKER_LOGO"}},
    {"ButtonMainBoardSelect", Kind::Button, nullptr, 224, 22, 185, 35, "Change Main Board", kHand},
    {"PanelBoard", Kind::Panel, nullptr, 8, 64, 417, 305, nullptr},
    {"LabelBoardName", Kind::Label, "PanelBoard", 8, 8, 401, 29, "MAX 10 ZEPHAL FPGA Board", {.fontPx = 24, .bold = true}},
    {"ImageBoard", Kind::Picture, "PanelBoard", 8, 96, 400, 166, nullptr, {.transparent = true, .picture = "ZEPHAL_BOARD"}},
    {"ShapeOSC", Kind::Shape, "PanelBoard", 280, 218, 15, 15, nullptr, kOutline},
    {"ShapeLED", Kind::Shape, "PanelBoard", 118, 203, 59, 13, nullptr, kOutline},
    {"ShapeSwitch", Kind::Shape, "PanelBoard", 177, 126, 33, 29, nullptr, kOutline},
    {"ShapeLightSensor", Kind::Shape, "PanelBoard", 249, 121, 24, 21, nullptr, kDotted},
    {"ShapePowerMonitor", Kind::Shape, "PanelBoard", 91, 229, 15, 15, nullptr, kOutline},
    {"ShapeHdmiTx", Kind::Shape, "PanelBoard", 370, 117, 39, 47, nullptr, kOutline},
    {"ShapeFlash", Kind::Shape, "PanelBoard", 294, 216, 35, 27, nullptr, kDotted},
    {"ShapeEthernet", Kind::Shape, "PanelBoard", 6, 156, 66, 51, nullptr, kOutline},
    {"ShapeDDR3", Kind::Shape, "PanelBoard", 310, 167, 32, 42, nullptr, kOutline},
    {"ShapeButton", Kind::Shape, "PanelBoard", 38, 244, 36, 16, nullptr, kOutline},
    {"ShapeCapButton", Kind::Shape, "PanelBoard", 111, 221, 99, 40, nullptr, kOutline},
    {"ShapeHumiditySensor", Kind::Shape, "PanelBoard", 387, 166, 12, 13, nullptr, kOutline},
    {"ShapeTempSensor", Kind::Shape, "PanelBoard", 202, 200, 15, 17, nullptr, kDotted},
    {"ShapeUsb", Kind::Shape, "PanelBoard", 379, 182, 27, 25, nullptr, kOutline},
    {"ShapeAudio", Kind::Shape, "PanelBoard", 31, 95, 60, 47, nullptr, kOutline},
    {"ShapeSdCard", Kind::Shape, "PanelBoard", 37, 212, 46, 48, nullptr, kDotted},
    {"ShapeGsensor", Kind::Shape, "PanelBoard", 261, 218, 16, 15, nullptr, kOutline},
    {"ShapeMIPI", Kind::Shape, "PanelBoard", 165, 103, 31, 17, nullptr, kOutline},
    {"ShapeSMA_ADC", Kind::Shape, "PanelBoard", 94, 97, 51, 45, nullptr, kOutline},
    {"ShapeBBB_P8", Kind::Shape, "PanelBoard", 211, 96, 178, 18, nullptr, kOutline},
    {"ShapeBBB_P9", Kind::Shape, "PanelBoard", 211, 244, 178, 17, nullptr, kOutline},
    {"LabelRevision", Kind::Label, nullptr, 80, 389, 127, 20, "Board Revision:", {.bold = true, .fontColor = kBlue}},
    {"ComboBoxBoardRev", Kind::ComboBox, nullptr, 224, 384, 190, 28, nullptr, {.bold = true, .fontColor = kBlue, .handCursor = true}},
    {"ButtonSave", Kind::Button, nullptr, 16, 423, 190, 35, "Save Setting", kHand},
    {"ButtonLoad", Kind::Button, nullptr, 16, 471, 190, 35, "Load Setting", kHand},
    {"ButtonGen", Kind::Button, nullptr, 224, 423, 190, 35, "Generate", kHand},
    {"ButtonExit", Kind::Button, nullptr, 224, 471, 190, 35, "Exit", kHand},
    {"GroupBox1", Kind::GroupBox, nullptr, 432, 9, 353, 500, "System Configuration"},
    {"Label3", Kind::Label, "GroupBox1", 16, 32, 120, 20, "Project Name:"},
    {"EditProjectName", Kind::Edit, "GroupBox1", 16, 56, 326, 28, nullptr},
    {"CheckBoxOSC", Kind::CheckBox, "GroupBox1", 16, 96, 160, 21, "CLOCK", kHand},
    {"CheckBoxLED", Kind::CheckBox, "GroupBox1", 16, 125, 160, 21, "LED x 8", kHand},
    {"CheckBoxSwitch", Kind::CheckBox, "GroupBox1", 16, 155, 160, 21, "Switch x 2", kHand},
    {"CheckBoxLightSensor", Kind::CheckBox, "GroupBox1", 16, 184, 160, 21, "Light Sensor", kHand},
    {"CheckBoxPowerMonitor", Kind::CheckBox, "GroupBox1", 16, 214, 160, 21, "Power Monitor", kHand},
    {"CheckBoxHdmiTx", Kind::CheckBox, "GroupBox1", 16, 243, 160, 21, "HDMI TX", kHand},
    {"CheckBoxFlash", Kind::CheckBox, "GroupBox1", 16, 273, 160, 21, "QSPI Flash", kHand},
    {"CheckBoxEthernet", Kind::CheckBox, "GroupBox1", 16, 302, 160, 21, "Ethernet", kHand},
    {"CheckBoxDDR3", Kind::CheckBox, "GroupBox1", 16, 332, 160, 21, "DDR3 SDRAM", kHand},
    {"CheckBoxButton", Kind::CheckBox, "GroupBox1", 184, 96, 160, 21, "Button x 2", kHand},
    {"CheckBoxCapButton", Kind::CheckBox, "GroupBox1", 184, 125, 160, 21, "Cap. Button x 2", kHand},
    {"CheckBoxHumiditySensor", Kind::CheckBox, "GroupBox1", 184, 155, 160, 21, "Humidity Sensor", kHand},
    {"CheckBoxTempSensor", Kind::CheckBox, "GroupBox1", 184, 184, 160, 21, "Temp. Sensor", kHand},
    {"CheckBoxUsb", Kind::CheckBox, "GroupBox1", 184, 214, 160, 21, "USB", kHand},
    {"CheckBoxAudio", Kind::CheckBox, "GroupBox1", 184, 243, 160, 21, "Audio Codec", kHand},
    {"CheckBoxSdCard", Kind::CheckBox, "GroupBox1", 184, 273, 160, 21, "microSD Card", kHand},
    {"CheckBoxGSensor", Kind::CheckBox, "GroupBox1", 184, 302, 160, 21, "G-sensor", kHand},
    {"CheckBoxMIPI", Kind::CheckBox, "GroupBox1", 184, 330, 160, 21, "MIPI", kHand},
    {"CheckBoxSmaADC", Kind::CheckBox, "GroupBox1", 184, 364, 160, 21, nullptr, {.hidden = true, .handCursor = true}},
    {"Label1", Kind::Label, "GroupBox1", 16, 400, 200, 20, "BBB Header", {.bold = true}},
    {"ComboBoxBBB", Kind::ComboBox, "GroupBox1", 16, 424, 240, 28, nullptr, kHand},
    {"Label4", Kind::Label, "GroupBox1", 16, 456, 100, 20, "Prefix Name:"},
    {"EditPrefixBBB", Kind::Edit, "GroupBox1", 120, 456, 136, 28, nullptr},
    {"ImageBBB", Kind::Picture, "GroupBox1", 262, 402, 80, 80, nullptr, {.transparent = true}},
};
// clang-format on

} // namespace zephal
