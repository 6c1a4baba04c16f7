#include "PinParsing.h"

#include "platform/Assert.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace {
constexpr std::size_t kNameField = 256;
constexpr std::size_t kNoteField = 258;
} // namespace

bool TPinParsing::SplitBusName(const std::string& name, std::string& baseName, int& index) {
    std::size_t a = name.find('[');
    std::size_t b = name.find(']');
    if (a == std::string::npos || b == std::string::npos || a > b) {
        baseName.clear();
        index = -1;
        return false;
    }
    index = StrToInt(name.substr(a + 1, b - a - 1));
    baseName = name.substr(0, a);
    return true;
}

PORT_INFO* TPinParsing::FindPort(const std::string& baseName) {
    for (auto& p : ports_)
        if (platform::EqualsNoCase(p->Name, baseName))
            return p.get();
    return nullptr;
}

TPinParsing::Clash TPinParsing::ParseInto(const TConnector* connector, std::string& message) {
    ports_.clear();
    for (int slot = 0; slot < connector->PinCount(); ++slot) {
        const TPin* p = connector->GetPin(slot);
        if (p == nullptr || p->GetDirection() == DIRECTION_NONE)
            continue;
        std::string name = p->GetName();
        std::string base;
        int index = -1;
        bool bus = SplitBusName(name, base, index);
        if (!bus)
            base = name;
        PORT_INFO* info = FindPort(base);
        if (info == nullptr) {
            auto port = std::make_unique<PORT_INFO>();
            port->Name = base.substr(0, kNameField - 1);
            port->Note = p->GetNote().substr(0, kNoteField - 1);
            port->bArrayName = bus ? 1 : 0;
            port->MaxIndex = index;
            port->MinIndex = index;
            port->IoStandard = p->GetIoStandard();
            port->Direction = p->GetDirection();
            ports_.push_back(std::move(port));
            continue;
        }
        if (!bus) {
            message = name;
            return Clash::Scalar;
        }
        if (index > info->MaxIndex)
            info->MaxIndex = index;
        if (index < info->MinIndex)
            info->MinIndex = index;
        if (p->GetDirection() != info->Direction) {
            message = platform::Format("Connector %s[%d]:%d has an unmathced pin direction", base.c_str(),
                                       index, slot);
            return Clash::Direction;
        }
    }
    return Clash::None;
}

void TPinParsing::Parse(const TConnector* connector) {
    std::string message;
    Clash clash = ParseInto(connector, message);
    if (clash == Clash::None)
        return;
    platform::Beep();
    platform::ShowMessage(message, "Error", platform::Icon::Error);
    if (clash == Clash::Scalar)
        platform::AssertFailed("bArrayName", "PinParsing", 56);
    platform::AssertFailed("pInfo->Direction == p->Direction", "PinParsing", 71);
}

bool TPinParsing::TryParse(const TConnector* connector, std::string& message) {
    try {
        return ParseInto(connector, message) == Clash::None;
    } catch (const EConvertError& e) {
        message = e.what();
        return false;
    }
}

std::string TPinParsing::PortText(const PORT_INFO& info) {
    const char* keyword = nullptr;
    switch (info.Direction) {
    case DIRECTION_INOUT:
        keyword = "inout ";
        break;
    case DIRECTION_INPUT:
        keyword = "input ";
        break;
    case DIRECTION_OUTPUT:
        keyword = "output";
        break;
    default:
        platform::AssertFailed("0", "PinParsing", 189);
    }
    std::string range =
        info.bArrayName ? platform::Format("[%d:%d]", info.MaxIndex, info.MinIndex) : std::string();
    return platform::Format("%s\t\t%10s\t\t%s", keyword, range.c_str(), info.Name.c_str());
}
