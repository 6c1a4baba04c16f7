#include "ClockChipText.h"

#include "platform/Assert.h"

std::string ClockChipText::QsfGlobalAssignments(const TMainBoard&) const {
    PW_ASSERT(m_Settings, "m_pConfigBoard", "MainBoard", 400);
    return m_Settings->GetQsfAssignments();
}

std::string ClockChipText::StructuralCode(const TMainBoard&) const {
    PW_ASSERT(m_Settings, "m_pConfigBoard", "MainBoard", 700);
    return m_Settings->GetStructuralCode();
}

bool ClockChipText::ExportModules(const std::string& folder) const {
    return m_Settings == nullptr || m_Settings->ExportVerilogModules(folder);
}
