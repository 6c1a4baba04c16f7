#pragma once
// What the writers add to a project of the Pallex board: the oscillator controllers its
// record chooses and their module files.

#include "PALLEX_CONFIG.h"
#include "core/BoardText.h"

class PallexText final : public TBoardText {
public:
    explicit PallexText(const PALLEX_CONFIG& record) : m_Record(record) {}
    // The copy of the record the texts are made from.
    const PALLEX_CONFIG& Record() const { return m_Record; }
    PALLEX_CONFIG& Record() { return m_Record; }

    // Asserts that board is this board.
    std::string StructuralCode(const TMainBoard& board) const override;
    bool ExportModules(const std::string& folder) const override;

private:
    PALLEX_CONFIG m_Record;
};
