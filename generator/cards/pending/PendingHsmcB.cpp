// Cards whose tables this build does not have yet: choosing one fails the attach.
#include "cards/CardTables.h"

void FillCardHsmcDefaultPins(TConnector*, uint8_t, int, uint8_t, uint8_t, bool, bool) { throw NoCardTable(); }
void FillCardBrisselHsmcPins(TConnector*, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardRuvexPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardHovrinPins(TConnector*) { throw NoCardTable(); }
void FillCardHdmiTxPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardHdmiRxPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardCameraLinkPins(TConnector*) { throw NoCardTable(); }
void FillCardZimborPins(TConnector*) { throw NoCardTable(); }
void FillCardHovrin2Pins(TConnector*) { throw NoCardTable(); }
void FillCardLvdsCrossoverPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardBrisselKamrelPins(TConnector*, bool, bool, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardSarvonPins(TConnector*) { throw NoCardTable(); }
void FillCardSarvon2Pins(TConnector*, uint8_t) { throw NoCardTable(); }
