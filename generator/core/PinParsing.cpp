#include "PinParsing.h"

#include "platform/Assert.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace {
constexpr std::size_t kNameField = 256;
constexpr std::size_t kNoteField = 258;
} // namespace

bool TPinParsing::SplitBusName(std::string_view name, std::string_view& baseName, int& index) {
    std::size_t a = name.find('[');
    std::size_t b = name.find(']');
    if (a == std::string_view::npos || b == std::string_view::npos || a > b) {
        baseName = std::string_view();
        index = -1;
        return false;
    }
    index = StrToInt(name.substr(a + 1, b - a - 1));
    baseName = name.substr(0, a);
    return true;
}

PORT_INFO* TPinParsing::FindPort(std::string_view baseName) {
    for (auto& p : ports_)
        if (platform::EqualsNoCase(p->Name, baseName))
            return p.get();
    return nullptr;
}

TPinParsing::Clash TPinParsing::ParseInto(const TConnector* connector, std::string& message) {
    ports_.clear();
    // The members of a bus mostly stand together: the last port found is tried first
    // (names are unique among the ports, so it finds what FindPort finds).
    PORT_INFO* last = nullptr;
    for (int slot = 0; slot < connector->PinCount(); ++slot) {
        const TPin* p = connector->GetPin(slot);
        if (p == nullptr || p->GetDirection() == DIRECTION_NONE)
            continue;
        const std::string_view name = p->NameView();
        std::string_view base;
        int index = -1;
        bool bus = SplitBusName(name, base, index);
        if (!bus)
            base = name;
        PORT_INFO* info = last != nullptr && platform::EqualsNoCase(last->Name, base) ? last : FindPort(base);
        if (info == nullptr) {
            auto port = std::make_unique<PORT_INFO>();
            port->Name = base.substr(0, kNameField - 1);
            port->Note = p->GetNote().substr(0, kNoteField - 1);
            port->bArrayName = bus ? 1 : 0;
            port->MaxIndex = index;
            port->MinIndex = index;
            port->IoStandard = p->GetIoStandard();
            port->Direction = p->GetDirection();
            last = port.get();
            ports_.push_back(std::move(port));
            continue;
        }
        last = info;
        if (!bus) {
            message = name;
            return Clash::Scalar;
        }
        if (index > info->MaxIndex)
            info->MaxIndex = index;
        if (index < info->MinIndex)
            info->MinIndex = index;
        if (p->GetDirection() != info->Direction) {
            message = platform::Format("Connector %s[%d]:%d has an unmathced pin direction",
                                       std::string(base).c_str(), index, slot);
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
    std::string text;
    AppendPortText(text, info);
    return text;
}

void TPinParsing::AppendPortText(std::string& out, const PORT_INFO& info) {
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
    // "%s\t\t%10s\t\t%s": the range right-aligned in ten places, a scalar's all blank.
    std::string range;
    if (info.bArrayName)
        range = "[" + std::to_string(info.MaxIndex) + ":" + std::to_string(info.MinIndex) + "]";
    out += keyword;
    out += "\t\t";
    if (range.size() < 10)
        out.append(10 - range.size(), ' ');
    out += range;
    out += "\t\t";
    out += info.Name;
}
