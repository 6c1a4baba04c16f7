#pragma once
// What the Galdor form decides, without widgets. The board carries two FPGA nodes; the
// form shows and generates one node at a time, so each node has its own decisions,
// bound to that node's block of the record.

#include "boards/kit/BoardLogic.h"

// The decisions of the node the form starts with (node 0).
const kit::BoardLogic& GaldorLogic();
// The decisions of a node (0 or 1).
const kit::BoardLogic& GaldorNodeLogic(int node);

enum GaldorConnector { GALDOR_HSMC_A = 0, GALDOR_HSMC_B = 1, GALDOR_HSMC_C = 2, GALDOR_HSMC_D = 3 };

// The board-type and node choices.
inline constexpr const char* kGaldorBoardTypes[] = {"HARLIN 230x2"};
inline constexpr const char* kGaldorNodes[] = {"FPAG 1", "FPAG 2"};

// The hints of the check boxes that have one.
struct GaldorHint {
    const char* box;
    const char* text;
};
// clang-format off
inline constexpr GaldorHint kGaldorHints[] = {
    {"CheckBoxUSB", "High-Speed USB FIFO"},
    {"CheckBoxDDR2", "Up to 4GB, 800 data rate"},
    {"CheckBoxDDR3", "up to 1066 data rate"},
};
// clang-format on
