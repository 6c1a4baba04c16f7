// Board-specific project text and the top-level port list of TMainBoard.
#include "MainBoard.h"
#include "ModulePorts.h"
#include "platform/Assert.h"
#include "platform/Text.h"

std::string TMainBoard::GetQsfGlobalAssignments() const {
    if (m_pBoardText)
        return m_pBoardText->QsfGlobalAssignments(*this);
    if (!IsCatalogueBoard(m_BoardId))
        platform::AssertFailed("0", "MainBoard", 408);
    return std::string();
}

std::string TMainBoard::GetStructuralCode() const {
    return m_pBoardText ? m_pBoardText->StructuralCode(*this) : std::string();
}

TPin* TMainBoard::GetHsmcPinName(int n, int PinIndex) const {
    int count = 0;
    for (const auto& c : m_Connectors) {
        if (c->GetType() != CONNECTOR_HSMC)
            continue;
        if (count++ == n) {
            PW_ASSERT(PinIndex <= c->PinCount(), "PinIndex <= pCon->PinCount", "MainBoard", 1110);
            return c->GetPin(PinIndex - 1);
        }
    }
    return nullptr;
}

std::string TMainBoard::GetPortList() const {
    TModulePorts ports;
    ports.Parse(*this);
    std::string text;
    std::size_t lastComma = std::string::npos;
    for (const TModulePorts::Section& s : ports.Sections()) {
        const TConnector* c = s.connector;
        text += "\r\n\t//////////// ";
        text += c->GetName();
        if (!c->GetCaption().empty()) {
            text += ", ";
            text += c->GetCaption();
        }
        text += " //////////\r\n";
        for (const PORT_INFO& port : s.ports) {
            text += '\t';
            TPinParsing::AppendPortText(text, port);
            lastComma = text.size();
            text += ",\r\n";
        }
    }
    // The very last port of the module has no comma.
    if (lastComma != std::string::npos)
        text.erase(lastComma, 1);
    return text;
}
