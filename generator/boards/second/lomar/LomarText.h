#pragma once
// What the writers add to a project of the Lomar board: its global .qsf lines, the
// external-PLL controller its record asks for and the controller's module file.

#include "LOMAR_CONFIG.h"
#include "core/BoardText.h"

class LomarText final : public TBoardText {
public:
    explicit LomarText(const LOMAR_CONFIG& record) : m_Record(record) {}
    // The copy of the record the texts are made from.
    const LOMAR_CONFIG& Record() const { return m_Record; }
    LOMAR_CONFIG& Record() { return m_Record; }

    std::string QsfGlobalAssignments(const TMainBoard& board) const override;
    // Asserts that board is this board.
    std::string StructuralCode(const TMainBoard& board) const override;
    bool ExportModules(const std::string& folder) const override;

private:
    LOMAR_CONFIG m_Record;
};
