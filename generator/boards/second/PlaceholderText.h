#pragma once
// The text of a board that has no pin table: asking it for a text is a broken rule,
// with the line its project text stops at (0: that text is empty).

#include "core/BoardText.h"

class PlaceholderText final : public TBoardText {
public:
    PlaceholderText(int qsfLine, int structuralLine) : m_QsfLine(qsfLine), m_StructuralLine(structuralLine) {}
    std::string QsfGlobalAssignments(const TMainBoard& board) const override;
    std::string StructuralCode(const TMainBoard& board) const override;

private:
    int m_QsfLine;
    int m_StructuralLine;
};
