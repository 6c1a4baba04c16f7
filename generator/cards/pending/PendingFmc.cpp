// Cards whose tables this build does not have yet: choosing one fails the attach.
#include "cards/CardTables.h"

void FillCardFmcHpcVitaPins(TConnector*, bool, uint8_t, bool) { throw NoCardTable(); }
void FillCardFmcLpcVitaPins(TConnector*, bool, uint8_t) { throw NoCardTable(); }
void FillCardFmcHpcAlteraPins(TConnector*, bool, uint8_t, bool) { throw NoCardTable(); }
void FillCardFmcHpcAlteraVeltraxPins(TConnector*, bool, uint8_t, bool) { throw NoCardTable(); }
void FillCardFmcLpcAlteraPins(TConnector*, bool, uint8_t, bool) { throw NoCardTable(); }
void FillCardFaldonFmcPins(TConnector*) { throw NoCardTable(); }
void FillCardSdiFmcPins(TConnector*) { throw NoCardTable(); }
void FillCardHdmiFmcPins(TConnector*) { throw NoCardTable(); }
void FillCardJesdFmcPins(TConnector*) { throw NoCardTable(); }
void FillCardJesdAdc34j45Pins(TConnector*, bool) { throw NoCardTable(); }
void FillCardNetFmcPins(TConnector*) { throw NoCardTable(); }
void FillCardFiskelFmcPins(TConnector*) { throw NoCardTable(); }
