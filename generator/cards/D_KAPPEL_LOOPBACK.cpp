// Kappel loopback card: the DVI card's pins over 160 positions, all at 2.5 V.

#include "cards/CardTables.h"
#include "cards/D_HSMC_DVI.h"

void FillCardKappelLoopbackPins(TConnector* conn) {
    AppendHsmcPins(conn, DviCardRows(), {.io = IOSTD_2V5});
}
