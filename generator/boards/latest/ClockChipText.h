#pragma once
// What the writers add to a project of a clock-chip board (Abrenz, Calvex, Embrel):
// its settings object writes the .qsf lines, the structural Verilog and the module
// files of the chips it programs.

#include "core/BoardText.h"
#include "settings/ConfigBoard.h"

class ClockChipText final : public TBoardText {
public:
    // The settings object stays the form's; it outlives the Generate.
    explicit ClockChipText(TConfigBoard* settings) : m_Settings(settings) {}
    TConfigBoard* Settings() const { return m_Settings; }

    std::string QsfGlobalAssignments(const TMainBoard& board) const override;
    std::string StructuralCode(const TMainBoard& board) const override;
    bool ExportModules(const std::string& folder) const override;

private:
    TConfigBoard* m_Settings;
};
