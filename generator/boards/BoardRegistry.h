#pragma once
// Every board of the catalogue, one row each: what the program, the tools and the tests
// reach a board by. To add a board:
//   1. its id in model/MainBoardId.h;
//   2. a folder boards/<group>/<name>/ with its record, its pin table (CONFIG_<NAME>), its
//      decisions (<Name>Rules, a kit::BoardLogic), its form's layout (UI_<Name>Layout.h), a
//      form class of its own only where it does more than the kit's form, and its texts for
//      the writers;
//   3. its row in BoardRegistry.cpp: the pictures tool draws the board's picture from the
//      layout the row names (a picture drawn by hand goes in tools/pictures/<Name>*.cpp).

#include "boards/kit/BoardLogic.h"
#include "platform/qt/FormLayout.h"

#include <cstdint>
#include <span>

class QWidget;

struct BoardRow {
    uint8_t id;
    const char* name;    // as the board's folder and sources name it
    const char* title;   // in the board selector
    const char* picture; // the selector's picture of the board (a resource name)
    // The board's decisions; nullptr for a placeholder form, which has no pin table.
    const kit::BoardLogic& (*logic)();
    std::span<const platform::LayoutRow> layout;
    // A form class of the board's own; nullptr: the kit's form of the layout and logic.
    QWidget* (*form)(QWidget* owner);
    bool freedByMain; // deleted by TFormMain::FreeBoardForms
    // The layout's row whose board drawing the pictures tool makes from the layout's
    // shapes; nullptr: the board's picture is drawn by hand.
    const char* layoutPicture = "ImageBoard";
};

// The rows in board-id order.
std::span<const BoardRow> BoardTable();
const BoardRow* FindBoard(uint8_t id);
// The board's decisions, or null for a board without a pin table.
const kit::BoardLogic* FindBoardLogic(uint8_t id);
// The board's form, a child of owner.
QWidget* CreateBoardForm(const BoardRow& row, QWidget* owner);
