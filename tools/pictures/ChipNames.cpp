#include "ChipNames.h"

namespace pictures {

namespace {

thread_local ChipNames* current = nullptr;

} // namespace

ChipNames::ChipNames() : outer_(current) {
    current = this;
}

ChipNames::~ChipNames() {
    current = outer_;
}

void ChipNames::Note(const QString& name) {
    if (current != nullptr)
        current->names_.push_back(name);
}

} // namespace pictures
