#include "PlaceholderText.h"

#include "platform/Assert.h"

std::string PlaceholderText::QsfGlobalAssignments(const TMainBoard&) const {
    if (m_QsfLine != 0)
        platform::AssertFailed("0", "MainBoard", m_QsfLine);
    return std::string();
}

std::string PlaceholderText::StructuralCode(const TMainBoard&) const {
    if (m_StructuralLine != 0)
        platform::AssertFailed("0", "MainBoard", m_StructuralLine);
    return std::string();
}
