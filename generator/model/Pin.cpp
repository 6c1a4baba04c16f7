#include "Pin.h"

#include "platform/Assert.h"
#include "platform/Text.h"

#include <cstring>

int StrToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = i;
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= INT32_MAX) {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (i == digits || i != text.size() || value > INT32_MAX)
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    if (text[start] == '-')
        value = -value;
    return static_cast<int>(value);
}

TPin::TPin() = default;

TPin::TPin(const char* name, const char* location, uint8_t direction, uint8_t ioStandard, float frequencyMHz)
    : direction_(direction), ioStandard_(ioStandard), index_(-1) {
    SetName(name);
    SetLocation(location);
    if (frequencyMHz > 0) {
        isClock_ = 1;
        frequencyText_ = platform::Format("%f MHz", static_cast<double>(frequencyMHz));
    }
}

TPin::TPin(const char* name, uint8_t direction, uint8_t ioStandard, int index, uint8_t /*flag*/)
    : direction_(direction), ioStandard_(ioStandard), index_(index) {
    SetName(name);
}

void TPin::SetName(const std::string& name) {
    // Prefix and card name together may be longer than the field: cut, never overrun.
    platform::CopyBounded(name_, kTextField, name);
    nameLength_ = std::strlen(name_);
}

void TPin::SetLocation(const std::string& location) {
    platform::CopyBounded(location_, kTextField, location);
    locationLength_ = std::strlen(location_);
}

std::string TPin::GetDirectionText() const {
    switch (direction_) {
    case DIRECTION_INOUT:
        return "inout ";
    case DIRECTION_INPUT:
        return "input ";
    case DIRECTION_OUTPUT:
        return "output";
    default:
        platform::AssertFailed("0", "Pin", 151);
    }
}

std::string TPin::GetIndexText() const {
    return platform::Format("%d", index_);
}

bool IsBusName(const TPin& pin) {
    std::string_view name = pin.NameView();
    return name.find('[') != std::string_view::npos && name.find(']') != std::string_view::npos;
}

int BusIndex(const TPin& pin) {
    std::string_view name = pin.NameView();
    std::size_t open = name.find('[');
    std::size_t close = name.find(']');
    if (open == std::string_view::npos || close == std::string_view::npos)
        return -1;
    // A "]" before the "[" leaves no proper text between them: a conversion error.
    return StrToInt(close > open ? name.substr(open + 1, close - open - 1) : std::string_view());
}

std::string BusBaseName(const TPin& pin) {
    std::string_view name = pin.NameView();
    std::size_t open = name.find('[');
    return open == std::string_view::npos ? std::string() : std::string(name.substr(0, open));
}
