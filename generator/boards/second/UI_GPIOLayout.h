#pragma once
// The stored layout of the GPIO expansion dialog of the Lomar form.

#include "platform/qt/FormLayout.h"

namespace gpiodialog {

using platform::Kind;
using platform::LayoutRow;

constexpr int64_t kFormColour = 15591915;

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormGPIO", Kind::Form, nullptr, 0, 0, 424, 300, "GPIO Expansion", {.font = "MS Sans Serif", .fontPx = 13, .color = kFormColour}},
    {"GroupBox2", Kind::GroupBox, nullptr, 8, 8, 408, 240, "GPIO Expansion"},
    {"Label4", Kind::Label, "GroupBox2", 16, 24, 200, 20, "GPIO-0 Header", {.bold = true}},
    {"ComboBoxGpio0", Kind::ComboBox, "GroupBox2", 16, 48, 280, 24, nullptr},
    {"Label9", Kind::Label, "GroupBox2", 16, 82, 90, 20, "Prefix Name:"},
    {"EditPrefixGpio0", Kind::Edit, "GroupBox2", 110, 80, 186, 24, nullptr},
    {"ImageGpio0", Kind::Picture, "GroupBox2", 312, 24, 80, 80, nullptr, {.transparent = true}},
    {"Label8", Kind::Label, "GroupBox2", 16, 128, 200, 20, "GPIO-1 Header", {.bold = true}},
    {"ComboBoxGpio1", Kind::ComboBox, "GroupBox2", 16, 152, 280, 24, nullptr},
    {"Label7", Kind::Label, "GroupBox2", 16, 186, 90, 20, "Prefix Name:"},
    {"EditPrefixGpio1", Kind::Edit, "GroupBox2", 110, 184, 186, 24, nullptr},
    {"ImageGpio1", Kind::Picture, "GroupBox2", 312, 128, 80, 80, nullptr, {.transparent = true}},
    {"ButtonOk", Kind::Button, nullptr, 236, 260, 84, 30, "OK"},
    {"ButtonCancel", Kind::Button, nullptr, 328, 260, 84, 30, "Cancel"},
};
// clang-format on

} // namespace gpiodialog
