#include "OstrelText.h"

#include "boards/second/ClockModules.h"
#include "core/MainBoard.h"
#include "core/OscillatorText.h"

std::string OstrelText::StructuralCode(const TMainBoard& board) const {
    AssertBoardId(board.GetBoardId(), MAINBOARD_OSTREL, "m_BoardId == MAINBOARD_OSTREL", "EXTRA_S5", 383);
    return GetCdcmAndSi570Code(m_Record.I32(OSTREL_CONFIG::nCdcm61004Freq),
                               m_Record.I32(OSTREL_CONFIG::nSi570Freq));
}

bool OstrelText::ExportModules(const std::string& folder) const {
    return ExportCdcmAndSi570Modules(folder, m_Record.I32(OSTREL_CONFIG::nCdcm61004Freq),
                                     m_Record.I32(OSTREL_CONFIG::nSi570Freq));
}
