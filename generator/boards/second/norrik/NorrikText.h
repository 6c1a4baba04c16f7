#pragma once
// What the writers add to a project of the Norrik board: the .qsf lines its record
// asks for and the fan control.

#include "NORRIK_CONFIG.h"
#include "core/BoardText.h"

class NorrikText final : public TBoardText {
public:
    explicit NorrikText(const NORRIK_CONFIG& record) : m_Record(record) {}
    // The copy of the record the texts are made from.
    const NORRIK_CONFIG& Record() const { return m_Record; }
    NORRIK_CONFIG& Record() { return m_Record; }

    std::string QsfGlobalAssignments(const TMainBoard& board) const override;
    // Asserts that board is this board.
    std::string StructuralCode(const TMainBoard& board) const override;

private:
    NORRIK_CONFIG m_Record;
};
