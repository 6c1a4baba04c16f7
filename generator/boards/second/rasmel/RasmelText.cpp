#include "RasmelText.h"

#include "boards/second/ClockModules.h"
#include "core/MainBoard.h"
#include "core/OscillatorText.h"

std::string RasmelText::StructuralCode(const TMainBoard& board) const {
    AssertBoardId(board.GetBoardId(), MAINBOARD_RASMEL, "m_BoardId == MAINBOARD_RASMEL", "EXTRA_S5", 404);
    return GetCdcmAndSi570Code(m_Record.I32(RASMEL_CONFIG::nCdcm61004Freq),
                               m_Record.I32(RASMEL_CONFIG::nSi570Freq));
}

bool RasmelText::ExportModules(const std::string& folder) const {
    return ExportCdcmAndSi570Modules(folder, m_Record.I32(RASMEL_CONFIG::nCdcm61004Freq),
                                     m_Record.I32(RASMEL_CONFIG::nSi570Freq));
}
