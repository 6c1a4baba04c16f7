#include "ModulePorts.h"

#include "MainBoard.h"
#include "platform/Text.h"

#include <algorithm>
#include <unordered_map>

namespace {

// The indexes of the members of bus base among the connector's active pins.
std::vector<int> Elements(const TConnector& c, const std::string& base) {
    std::vector<int> indexes;
    for (int slot = 0; slot < c.PinCount(); ++slot) {
        const TPin* p = c.GetPin(slot);
        std::string_view name;
        int index = -1;
        if (p != nullptr && p->IsActive() && TPinParsing::SplitBusName(p->NameView(), name, index) &&
            platform::EqualsNoCase(name, base))
            indexes.push_back(index);
    }
    return indexes;
}

bool Shares(const std::vector<int>& a, const std::vector<int>& b) {
    return std::any_of(a.begin(), a.end(),
                       [&](int i) { return std::find(b.begin(), b.end(), i) != b.end(); });
}

} // namespace

void TModulePorts::Parse(const TMainBoard& board) {
    std::string message;
    Collect(board, false, message);
}

TModulePorts::Clash TModulePorts::TryParse(const TMainBoard& board, std::string& message) {
    return Collect(board, true, message);
}

TModulePorts::Clash TModulePorts::Collect(const TMainBoard& board, bool strict, std::string& message) {
    struct Declared {
        std::size_t section;              // where the port is declared
        std::size_t port;                 // its place there
        std::vector<std::size_t> holders; // every section with elements of it
    };
    std::unordered_map<std::string, Declared> declared; // upper-case port name
    sections_.clear();
    TPinParsing parsing;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector* c = board.GetConnector(i);
        if (!strict)
            parsing.Parse(c);
        else if (!parsing.TryParse(c, message))
            return Clash::InConnector;
        const std::size_t here = sections_.size();
        sections_.push_back({c, {}});
        for (int k = 0; k < parsing.GetPortCount(); ++k) {
            const PORT_INFO& port = parsing.GetPort(k);
            auto [it, fresh] = declared.try_emplace(platform::ToUpper(port.Name));
            Declared& d = it->second;
            if (fresh) {
                d = {here, sections_[here].ports.size(), {here}};
                sections_[here].ports.push_back(port);
                continue;
            }
            PORT_INFO& first = sections_[d.section].ports[d.port];
            const TConnector* other = sections_[d.section].connector;
            bool joins = first.bArrayName && port.bArrayName && first.Name == port.Name &&
                         first.Direction == port.Direction;
            if (joins) {
                const std::vector<int> mine = Elements(*c, port.Name);
                for (std::size_t h : d.holders)
                    if (Shares(Elements(*sections_[h].connector, first.Name), mine)) {
                        other = sections_[h].connector;
                        joins = false;
                        break;
                    }
            }
            if (joins) {
                first.MaxIndex = std::max(first.MaxIndex, port.MaxIndex);
                first.MinIndex = std::min(first.MinIndex, port.MinIndex);
                d.holders.push_back(here);
                continue;
            }
            if (strict) {
                message = platform::Format("Pin name %s is used by both %s and %s.", port.Name.c_str(),
                                           other->GetName().c_str(), c->GetName().c_str());
                return Clash::BetweenConnectors;
            }
            sections_[here].ports.push_back(port);
        }
    }
    return Clash::None;
}
