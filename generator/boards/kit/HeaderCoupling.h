#pragma once
// Two GPIO headers offered the same cards, where a card that spans both headers sits
// on both: what the other header does when one header's card changes. The board
// forms' header pair, the GPIO expansion dialog and a loaded record's pair all follow it.

#include "model/ConnectorType.h"
#include "model/DaughterCatalogue.h"

#include <cstdint>

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

} // namespace kit
