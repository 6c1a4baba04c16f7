// Cards whose tables this build does not have yet: choosing one fails the attach.
#include "cards/CardTables.h"

void FillCardHsmcLvdsDefaultPins(TConnector*, bool, uint8_t, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardDviPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardNetPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardPellumPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardTurvinHsmcPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardGorvayPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardHsmcDebugPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardHsmcLoopbackPins(TConnector*, bool, uint8_t) { throw NoCardTable(); }
void FillCardSfpPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardSdiPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardSataPins(TConnector*, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardFaldonPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardPlindorPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardKappelLoopbackPins(TConnector*) { throw NoCardTable(); }
