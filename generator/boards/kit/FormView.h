#pragma once
// What a board form shows, without widgets: the record its controls show, in the
// settings record's layout, and what the controls hold beside it. The form binds it
// to its controls and back; every change of it is a call on the board's logic.

#include "settings/SettingsRecord.h"

#include <cstdint>
#include <vector>

namespace kit {

struct FormView {
    // The project name, the boxes, the cards and prefixes and the board's own choices.
    SettingsRecord record;
    // Per connector: the card list its combo box offers now.
    std::vector<int> lists;
    // Per connector: its card and prefix follow the other header's and cannot be changed.
    std::vector<uint8_t> locked;
    // Choices a board's lists show again when they are enabled again (the board's numbering).
    std::vector<int32_t> kept;
    // The block of the record the controls show (on a board with two FPGAs, the FPGA).
    int part = 0;

    bool operator==(const FormView&) const = default;
};

} // namespace kit
