#pragma once
// Groups the active pins of one connector into the ports of a Verilog module:
// NAME[n] pins join the bus NAME, every other pin is a port of its own.

#include "model/Connector.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct PORT_INFO {
    std::string Name; // bus name without the bracket part, or the whole pin name
    uint8_t bArrayName = 0;
    int MaxIndex = -1;
    int MinIndex = -1;
    uint8_t IoStandard = 0;
    uint8_t Direction = 0;
    std::string Note;
};

class TPinParsing {
public:
    // Rebuilds the port list; a clash is a broken rule (beep, box, assertion).
    void Parse(const TConnector* connector);
    // As Parse, but a clash or an unreadable bus index gives false and its message.
    bool TryParse(const TConnector* connector, std::string& message);
    void Clear() { ports_.clear(); }
    // baseName views the part of name before the "[".
    static bool SplitBusName(std::string_view name, std::string_view& baseName, int& index);
    PORT_INFO* FindPort(std::string_view baseName);
    int GetPortCount() const { return static_cast<int>(ports_.size()); }
    const PORT_INFO& GetPort(int index) const { return *ports_.at(static_cast<std::size_t>(index)); }
    std::string GetPortText(int index) const { return PortText(GetPort(index)); }
    // The port's declaration line: keyword, range and name.
    static std::string PortText(const PORT_INFO& info);
    static void AppendPortText(std::string& out, const PORT_INFO& info);

private:
    enum class Clash { None, Scalar, Direction };
    Clash ParseInto(const TConnector* connector, std::string& message);

    std::vector<std::unique_ptr<PORT_INFO>> ports_;
};
