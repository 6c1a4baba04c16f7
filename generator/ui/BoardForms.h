#pragma once
// The board-form table: which form the main window creates for a board id, and
// whether TFormMain::FreeBoardForms deletes it when another board is chosen.
// A form joins the table with its row; an id without a row is a broken rule.

#include <cstdint>
#include <span>

class QWidget;

// Creates a board form owned by (a child of) the main window.
using BoardFormFactory = QWidget* (*)(QWidget* owner);

struct BoardFormRow {
    uint8_t id;
    bool freedByMain; // deleted by TFormMain::FreeBoardForms
    BoardFormFactory create;
};

template <class Form> QWidget* MakeBoardForm(QWidget* owner) {
    return new Form(owner);
}

// The program's table, in board-id order.
std::span<const BoardFormRow> BoardFormTable();
