// Cards whose tables this build does not have yet: choosing one fails the attach.
#include "cards/CardTables.h"

void FillCardGpioDefaultPins(TConnector*, uint8_t, uint8_t) { throw NoCardTable(); }
void FillCardGpioNamedPins(TConnector*, const char*, uint8_t) { throw NoCardTable(); }
void FillCardGpioDefaultJorrelPins(TConnector*) { throw NoCardTable(); }
void FillCardKamrelPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardSpindoPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardNimbrekFifoPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardNimbrekNativePins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardWexlinPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardMordlePins(TConnector*) { throw NoCardTable(); }
void FillCardDrovikPins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardDrovik2Pins(TConnector*, uint8_t) { throw NoCardTable(); }
void FillCardPemrithPins(TConnector*) { throw NoCardTable(); }
void FillCardTrelbyPins(TConnector*) { throw NoCardTable(); }
void FillCardNalvorPins(TConnector*) { throw NoCardTable(); }
void FillCardEbbranPins(TConnector*) { throw NoCardTable(); }
void FillCardArduinoDigitalPins(TConnector*) { throw NoCardTable(); }
void FillCardFiskelGpioPins(TConnector*, uint8_t) { throw NoCardTable(); }
