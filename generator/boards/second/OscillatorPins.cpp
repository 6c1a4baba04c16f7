#include "OscillatorPins.h"

#include "core/OscillatorText.h"
#include "platform/Text.h"

namespace {

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V25 = IOSTD_2V5;
constexpr auto PCML = IOSTD_1V5_PCML;

// clang-format off
constexpr kit::PinRow kSfpShape[] = {
    {"_TX_p", nullptr, OUT, PCML},
    {"_RX_p", nullptr, IN, PCML},
    {"_RATESEL", nullptr, OUT, V25, 2},
    {"_LOS", nullptr, IN, V25},
    {"_MOD0_PRSNT_n", nullptr, IN, V25},
    {"_MOD1_SCL", nullptr, OUT, V25},
    {"_MOD2_SDA", nullptr, IO, V25},
    {"_TXDISABLE", nullptr, OUT, V25},
    {"_TXFAULT", nullptr, IN, V25},
};
// clang-format on

// The list index is the choice's low byte.
uint8_t IndexOf(int32_t choice) {
    return static_cast<uint8_t>(choice & 0xFF);
}

} // namespace

void AddSfpCage(kit::PinTable& t, char x, const char* locations) {
    const char* columns[] = {locations};
    t.AddShaped(t.Group(platform::Format("SFP+ %c", x)), platform::Format("SFP%c", x), kSfpShape, columns);
}

std::string Si570Text(int32_t choice) {
    const double mhz = Si570Frequency(IndexOf(choice));
    return mhz > 0 ? platform::Format("%.5f MHz", mhz) : std::string();
}

std::string Cdcm61004Text(int32_t choice) {
    const double mhz = Cdcm61004Frequency(IndexOf(choice));
    return mhz > 0 ? platform::Format("%.2f MHz", mhz) : std::string();
}

void AddReferenceClock(kit::PinTable& t, TConnector* c, const char* name, const char* location,
                       const std::string& frequency) {
    t.Add(c, kit::ClockRow{name, location, IOSTD_HCSL, 0, frequency.empty() ? nullptr : frequency.c_str()});
}
