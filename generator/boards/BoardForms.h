#pragma once
// Every board form of the catalogue, one row each, in the order of the board table
// (BoardTable.h): what the program's windows and the pictures tool reach a board's form
// by. The pictures tool draws the board's picture from the layout the row names (a
// picture drawn by hand goes in tools/pictures/<Name>*.cpp).

#include "platform/qt/FormLayout.h"

#include <cstdint>
#include <span>

class QWidget;

struct BoardFormRow {
    uint8_t id;
    const char* title;   // in the board selector
    const char* picture; // the selector's picture of the board (a resource name)
    std::span<const platform::LayoutRow> layout;
    // A form class of the board's own; nullptr: the kit's form of the layout and the board's logic.
    QWidget* (*form)(QWidget* owner);
    bool freedByMain; // deleted by TFormMain::FreeBoardForms
    // The layout's row whose board drawing the pictures tool makes from the layout's
    // shapes; nullptr: the board's picture is drawn by hand.
    const char* layoutPicture = "ImageBoard";
};

// The rows in board-id order.
std::span<const BoardFormRow> BoardFormTable();
const BoardFormRow* FindBoardForm(uint8_t id);
// The board's form, a child of owner.
QWidget* CreateBoardForm(const BoardFormRow& row, QWidget* owner);
