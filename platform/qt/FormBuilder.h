#pragma once
// Builds Qt widgets from a stored layout table. Every widget carries its component
// name as objectName, so handlers and tests find it by name.

#include "FormLayout.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <span>

namespace platform {

// A record's or layout's 0x00BBGGRR colour: 15591915 is RGB(0xEB, 0xE9, 0xED).
QColor FromBgr(int64_t bgr);

// Builds every row into form: the Kind::Form row sizes and captions the form itself,
// the others become its children (or children of their named parent). Then labels, check
// boxes and radio buttons whose texts would be cut grow to them (TextFit.h).
void BuildForm(QWidget* form, std::span<const LayoutRow> rows);

[[noreturn]] void ComponentMissing(const char* name);

// Finds a component by name; ends the program through an assertion when it is missing.
template <class T> T* Component(QWidget* form, const char* name) {
    T* w = form->findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr)
        ComponentMissing(name);
    return w;
}

} // namespace platform
