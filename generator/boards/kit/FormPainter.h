#pragma once
// What a board form draws from what it shows, at the moments its steps draw it: the
// card pictures, the outlines, and whatever follows a record shown. The logic calls
// it where those steps fall; a caller without windows passes none.

#include "FormView.h"

namespace kit {

class FormPainter {
public:
    virtual ~FormPainter() = default;
    virtual void CardPictures(const FormView& /*view*/) {}
    virtual void Outlines(const FormView& /*view*/) {}
    // Once the board's own controls show a record (before its cards are shown).
    virtual void ChoicesShown(const FormView& /*view*/) {}
};

} // namespace kit
