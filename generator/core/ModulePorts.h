#pragma once
// The ports of the top-level module, connector by connector. Each connector's pins are
// grouped by TPinParsing; a bus whose elements stand in two connectors (a reference
// clock pair split between two clock chips) is one port, declared once with the first
// of them over the whole range.

#include "PinParsing.h"

#include <string>
#include <vector>

class TMainBoard;

class TModulePorts {
public:
    struct Section {
        const TConnector* connector = nullptr;
        std::vector<PORT_INFO> ports; // the ports this connector declares
    };

    enum class Clash { None, InConnector, BetweenConnectors };

    // A clash inside one connector is a broken rule (TPinParsing::Parse); a name two
    // connectors cannot share is declared by each of them.
    void Parse(const TMainBoard& board);
    // Every clash stops the parse with its message: those of TPinParsing::TryParse, and a
    // name in two connectors that is not two sets of elements of one bus (a scalar,
    // another direction or spelling, or one element twice).
    Clash TryParse(const TMainBoard& board, std::string& message);

    const std::vector<Section>& Sections() const { return sections_; }

private:
    Clash Collect(const TMainBoard& board, bool strict, std::string& message);

    std::vector<Section> sections_;
};
