#pragma once
// What the writers add to a project of the Harlin board: its global .qsf lines, the
// external-PLL controller its record asks for and the controller's module file.

#include "HARLIN_CONFIG.h"
#include "core/BoardText.h"

class HarlinText final : public TBoardText {
public:
    explicit HarlinText(const HARLIN_CONFIG& record) : m_Record(record) {}
    // The copy of the record the texts are made from.
    const HARLIN_CONFIG& Record() const { return m_Record; }
    HARLIN_CONFIG& Record() { return m_Record; }

    std::string QsfGlobalAssignments(const TMainBoard& board) const override;
    // Asserts that board is this board.
    std::string StructuralCode(const TMainBoard& board) const override;
    bool ExportModules(const std::string& folder) const override;

private:
    HARLIN_CONFIG m_Record;
};
