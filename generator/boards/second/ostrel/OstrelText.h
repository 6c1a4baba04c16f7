#pragma once
// What the writers add to a project of the Ostrel board: the oscillator controllers its
// record chooses and their module files.

#include "OSTREL_CONFIG.h"
#include "core/BoardText.h"

class OstrelText final : public TBoardText {
public:
    explicit OstrelText(const OSTREL_CONFIG& record) : m_Record(record) {}
    // The copy of the record the texts are made from.
    const OSTREL_CONFIG& Record() const { return m_Record; }
    OSTREL_CONFIG& Record() { return m_Record; }

    // Asserts that board is this board.
    std::string StructuralCode(const TMainBoard& board) const override;
    bool ExportModules(const std::string& folder) const override;

private:
    OSTREL_CONFIG m_Record;
};
