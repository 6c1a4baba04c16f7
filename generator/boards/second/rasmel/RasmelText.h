#pragma once
// What the writers add to a project of the Rasmel board: the oscillator controllers its
// record chooses and their module files.

#include "RASMEL_CONFIG.h"
#include "core/BoardText.h"

class RasmelText final : public TBoardText {
public:
    explicit RasmelText(const RASMEL_CONFIG& record) : m_Record(record) {}
    // The copy of the record the texts are made from.
    const RASMEL_CONFIG& Record() const { return m_Record; }
    RASMEL_CONFIG& Record() { return m_Record; }

    // Asserts that board is this board.
    std::string StructuralCode(const TMainBoard& board) const override;
    bool ExportModules(const std::string& folder) const override;

private:
    RASMEL_CONFIG m_Record;
};
