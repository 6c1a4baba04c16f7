#pragma once
// The chip names a drawing asks to write, kept while a ChipNames lives on the thread:
// what a check of the pictures compares the texts written with.

#include <QString>
#include <vector>

namespace pictures {

class ChipNames {
public:
    ChipNames();
    ~ChipNames();
    ChipNames(const ChipNames&) = delete;
    ChipNames& operator=(const ChipNames&) = delete;

    const std::vector<QString>& Names() const { return names_; }

    // Notes a chip's name with the ChipNames alive on this thread, if any.
    static void Note(const QString& name);

private:
    std::vector<QString> names_;
    ChipNames* outer_;
};

} // namespace pictures
