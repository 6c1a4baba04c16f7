#include "Connector.h"

#include "platform/Assert.h"

#include <array>
#include <stdexcept>

TConnector::TConnector(const std::string& name, const std::string& caption, uint8_t type, int daughterId)
    : name_(name), caption_(caption), type_(type), daughterId_(daughterId) {}

TConnector::~TConnector() {
    ClearPins();
}

int TConnector::AddPin(TPin* pin) {
    pins_.emplace_back(pin);
    positions_.push_back(static_cast<int>(pins_.size()));
    return static_cast<int>(pins_.size()) - 1;
}

int TConnector::ActivePinCount() const {
    int n = 0;
    for (const auto& p : pins_)
        if (p && p->GetDirection() != DIRECTION_NONE)
            ++n;
    return n;
}

TPin* TConnector::GetPin(int index) const {
    if (index < 0 || index >= PinCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return pins_[static_cast<std::size_t>(index)].get();
}

int TConnector::GetPosition(int index) const {
    if (index < 0 || index >= PinCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return positions_[static_cast<std::size_t>(index)];
}

void TConnector::ClearPins() {
    pins_.clear();
    positions_.clear();
}

namespace {

// Plain comparison of 8-bit codes; a prefix is smaller than the longer text.
bool Greater(const std::string& a, const std::string& b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x > y;
    }
    return a.size() > b.size();
}

// What the comparison reads of a pin, taken once per sort instead of per comparison.
struct SortKey {
    std::string name;
    std::string base;
    bool bus = false;
    bool indexRead = false;
    int index = 0;

    explicit SortKey(const TPin& pin) : name(pin.GetName()), base(BusBaseName(pin)), bus(IsBusName(pin)) {}

    // Read only when compared, as an unreadable index is an error only then.
    int Index(const TPin& pin) {
        if (!indexRead) {
            index = BusIndex(pin);
            indexRead = true;
        }
        return index;
    }
};

bool BelongsBefore(SortKey& b, const TPin& pinB, SortKey& a, const TPin& pinA) {
    if (a.bus && b.bus) {
        if (a.base == b.base)
            return b.Index(pinB) < a.Index(pinA);
        return Greater(a.base, b.base);
    }
    return Greater(a.name, b.name);
}

} // namespace

void TConnector::SortPins() {
    // An exchange sort: its comparison is no total order when bus and plain names
    // mix, so the result depends on this exact procedure.
    const std::size_t n = pins_.size();
    std::vector<std::unique_ptr<SortKey>> keys(n);
    for (std::size_t i = 0; i < n; ++i)
        if (pins_[i])
            keys[i] = std::make_unique<SortKey>(*pins_[i]);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (!pins_[i] || !pins_[j])
                continue;
            if (BelongsBefore(*keys[j], *pins_[j], *keys[i], *pins_[i])) {
                std::swap(pins_[i], pins_[j]);
                std::swap(positions_[i], positions_[j]);
                std::swap(keys[i], keys[j]);
            }
        }
    }
}

std::string ConnectorTypeName(uint8_t type) {
    switch (type) {
    case CONNECTOR_HSMC:
        return "HSMC";
    case CONNECTOR_KAPPEL:
        return "Kappel";
    case CONNECTOR_GPIO40:
    case CONNECTOR_GPIO80:
        return "GPIO";
    case CONNECTOR_DDR2_SODIMM:
        return "DDR2 SODIMM";
    case CONNECTOR_DDR3_SODIMM:
        return "DDR3 SODIMM";
    case CONNECTOR_FMC_HPC:
        return "FMC HPC";
    case CONNECTOR_FMC_LPC:
        return "FMC LPC";
    case CONNECTOR_MOXEN_2x6:
        return "Moxen 2x6";
    default:
        platform::AssertFailed("0", "Connector", 339);
    }
}

namespace {

constexpr std::array<int, 181> MakeKappelMap() {
    std::array<int, 181> map{};
    for (int& v : map)
        v = -1;
    map[2] = 160;
    for (int k = 0; k < 20; ++k) {
        map[6 * k + 3] = 157 - 6 * k;
        map[6 * k + 4] = 158 - 6 * k;
        map[6 * k + 5] = 155 - 6 * k;
        map[6 * k + 6] = 156 - 6 * k;
    }
    map[131] = 33;
    map[132] = 34;
    return map;
}

constexpr std::array<int, 181> kKappelToHsmc = MakeKappelMap();

} // namespace

int KappelToHsmcPin(int kappelPosition) {
    if (kappelPosition < 1 || kappelPosition > 180)
        return -1;
    return kKappelToHsmc[static_cast<std::size_t>(kappelPosition)];
}
