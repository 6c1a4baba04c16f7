#pragma once
// Two GPIO headers offered the same cards, where a card that spans both headers sits
// on both: what the other header does when one header's card changes. The board
// forms' header pair, the GPIO expansion dialog and a loaded record's pair all follow it.

#include "model/ConnectorType.h"
#include "model/DaughterCatalogue.h"

#include <cstdint>
#include <string>

namespace kit {

enum class Coupling {
    Follow,       // takes the changed header's card and prefix, and is locked
    Free,         // is unlocked and keeps its card
    FreeAndClear, // is unlocked and loses its spanning card ("None", no prefix)
};

inline bool SpansBothHeaders(uint8_t card) {
    return card != 0 && BoardConnectorType(static_cast<int8_t>(card)) == CONNECTOR_GPIO80;
}

inline Coupling CoupleHeaders(uint8_t changedCard, uint8_t otherCard) {
    if (SpansBothHeaders(changedCard))
        return Coupling::Follow;
    return SpansBothHeaders(otherCard) ? Coupling::FreeAndClear : Coupling::Free;
}

// A header's choice as its controls show it: the card as the caller counts cards (a card
// id or an item of the list; 0 is "None"), its prefix, and whether it is locked.
struct HeaderChoice {
    int item;
    std::string prefix;
    bool locked;
};

// The other header once one header's card changed (the cards as ids): it follows, is
// freed, or is freed and cleared. Returns which.
inline Coupling CoupleHeader(const HeaderChoice& changed, HeaderChoice& other, uint8_t changedCard,
                             uint8_t otherCard) {
    const Coupling coupling = CoupleHeaders(changedCard, otherCard);
    switch (coupling) {
    case Coupling::Follow:
        other.item = changed.item;
        other.prefix = changed.prefix;
        other.locked = true;
        break;
    case Coupling::FreeAndClear:
        other.item = 0;
        other.prefix.clear();
        other.locked = false;
        break;
    case Coupling::Free:
        other.locked = false;
        break;
    }
    return coupling;
}

} // namespace kit
