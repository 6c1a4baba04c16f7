#include "Connector.h"

#include "platform/Assert.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

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

// Plain comparison of 8-bit codes (the character traits compare as unsigned bytes); a
// prefix is smaller than the longer text.
bool Greater(std::string_view a, std::string_view b) {
    return a.compare(b) > 0;
}

// What the comparison reads of a pin, taken once per sort as views of its name (the
// pins themselves never move, only the slots that own them).
struct SortKey {
    const TPin* pin = nullptr;
    std::string_view name;
    std::string_view base;
    bool bus = false;
    bool indexRead = false;
    int index = 0;

    SortKey() = default;
    explicit SortKey(const TPin& p) : pin(&p), name(p.NameView()), bus(IsBusName(p)) {
        const std::size_t open = name.find('[');
        base = open == std::string_view::npos ? std::string_view() : name.substr(0, open);
    }

    // Read only when compared, as an unreadable index is an error only then.
    int Index() {
        if (!indexRead) {
            index = BusIndex(*pin);
            indexRead = true;
        }
        return index;
    }
};

bool BelongsBefore(SortKey& b, SortKey& a) {
    if (a.bus && b.bus) {
        if (a.base == b.base)
            return b.Index() < a.Index();
        return Greater(a.base, b.base);
    }
    return Greater(a.name, b.name);
}

// A key's places among the others: in the order of the names and, for a bus member, in
// the order of bus name then index. Equal keys share a place, so comparing two places
// answers exactly as BelongsBefore compares the keys.
struct Place {
    int name = 0;
    int bus = 0;
    bool isBus = false;
};

bool PlaceBefore(const Place& b, const Place& a) {
    return a.isBus && b.isBus ? b.bus < a.bus : b.name < a.name;
}

// Dense places of keys in the order less gives them.
template <class Less, class Store> void Number(std::vector<SortKey*> keys, Less less, Store store) {
    std::sort(keys.begin(), keys.end(), less);
    int place = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0 && less(keys[i - 1], keys[i]))
            ++place;
        store(*keys[i], place);
    }
}

// False when a bus index cannot be read: the keys are then compared themselves, so the
// error comes only if the sort compares that index.
bool PlacesOf(std::vector<SortKey>& keys, const std::vector<std::unique_ptr<TPin>>& pins,
              std::vector<Place>& places) {
    std::vector<SortKey*> all;
    std::vector<SortKey*> buses;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!pins[i])
            continue;
        all.push_back(&keys[i]);
        if (keys[i].bus) {
            try {
                keys[i].Index();
            } catch (const EConvertError&) {
                return false;
            }
            buses.push_back(&keys[i]);
        }
    }
    places.assign(keys.size(), Place{});
    auto slot = [&](const SortKey& k) { return static_cast<std::size_t>(&k - keys.data()); };
    // Two bus members compare by bus place only: with no other name the name places are not read.
    if (buses.size() < all.size())
        Number(
            all, [](const SortKey* x, const SortKey* y) { return Greater(y->name, x->name); },
            [&](const SortKey& k, int place) { places[slot(k)].name = place; });
    Number(
        buses,
        [](const SortKey* x, const SortKey* y) {
            return x->base == y->base ? x->index < y->index : Greater(y->base, x->base);
        },
        [&](const SortKey& k, int place) {
            places[slot(k)].bus = place;
            places[slot(k)].isBus = true;
        });
    return true;
}

// An exchange sort: its comparison is no total order when bus and plain names mix, so
// the result depends on this exact procedure. Empty slots never move.
template <class Key, class Before>
void ExchangeSort(std::vector<std::unique_ptr<TPin>>& pins, std::vector<int>& positions,
                  std::vector<Key>& keys, Before before) {
    const std::size_t n = pins.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (!pins[i])
            continue;
        for (std::size_t j = i + 1; j < n; ++j) {
            if (pins[j] && before(keys[j], keys[i])) {
                std::swap(pins[i], pins[j]);
                std::swap(positions[i], positions[j]);
                std::swap(keys[i], keys[j]);
            }
        }
    }
}

} // namespace

void TConnector::SortPins() {
    std::vector<SortKey> keys(pins_.size());
    for (std::size_t i = 0; i < pins_.size(); ++i)
        if (pins_[i])
            keys[i] = SortKey(*pins_[i]);
    // Each comparison reads two numbers worked out once, instead of two names.
    std::vector<Place> places;
    if (PlacesOf(keys, pins_, places))
        ExchangeSort(pins_, positions_, places, PlaceBefore);
    else
        ExchangeSort(pins_, positions_, keys, BelongsBefore);
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
