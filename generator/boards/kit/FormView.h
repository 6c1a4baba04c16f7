#pragma once
// What a board form shows, without widgets: the record its controls show, in the
// settings record's layout, what the controls hold beside it, and what the form draws
// around them. The form binds it to its controls and back; every change of it is a
// call on the board's logic, which also sets what is drawn, at the steps that draw it.

#include "settings/SettingsRecord.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kit {

// A small picture drawn over a picture box's picture, at (x, y) of it.
struct PictureMark {
    std::string name;
    int x = 0;
    int y = 0;

    bool operator==(const PictureMark&) const = default;
};

// What a picture box shows: one of the program's pictures by name (a card's, or the
// board's own), with marks drawn over it in order; no name: the box is hidden.
struct Picture {
    std::string name;
    std::vector<PictureMark> marks;

    bool operator==(const Picture&) const = default;
};

struct FormView {
    // The project name, the boxes, the cards and prefixes and the board's own choices.
    SettingsRecord record;
    // Per connector: the card list its combo box offers now.
    std::vector<int> lists;
    // Per connector: its card and prefix follow the other header's and cannot be changed.
    std::vector<uint8_t> locked;
    // Choices a board's lists show again when they are shown again, by the record field
    // of the list (the board names them there).
    std::map<std::size_t, int32_t> kept;
    // The block of the record the controls show (on a board with two FPGAs, the FPGA).
    int part = 0;

    // What is drawn, by the name of the control; a control not named keeps what its
    // construction gave it. Outlines, rows and controls shown or hidden:
    std::map<std::string, bool> shown;
    // Captions that change (labels, boxes):
    std::map<std::string, std::string> captions;
    // Picture boxes:
    std::map<std::string, Picture> pictures;

    bool operator==(const FormView&) const = default;
};

} // namespace kit
