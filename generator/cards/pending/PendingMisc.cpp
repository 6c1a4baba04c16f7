// Cards whose tables this build does not have yet: choosing one fails the attach.
#include "cards/CardTables.h"

void FillCardTurvinGpioPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardKappelHdmiPins(TConnector*) { throw NoCardTable(); }
void FillCardBrisselKappelPins(TConnector*) { throw NoCardTable(); }
void FillCardMoxenDefaultPins(TConnector*) { throw NoCardTable(); }
void FillCardJossenPins(TConnector*) { throw NoCardTable(); }
void FillCardDdr2SodimmPins(TConnector*, bool, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardDdr3SodimmPins(TConnector*, bool, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardDdr3SodimmLowerCasePins(TConnector*, bool, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardDdr3SodimmSstl15Pins(TConnector*, bool, uint8_t, uint8_t) { throw NoCardTable(); }
bool GetBbbPinOut(uint8_t, uint8_t, int, int&, int&, std::string&) { throw NoCardTable(); }
