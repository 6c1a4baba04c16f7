#include "D_FMC_HPC_VITA.h"

#include "cards/CardTables.h"

void FillCardFmcLpcVitaPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard) {
    AppendFmcStandardPins(conn, FmcSlotsOf({FmcVitaRows()}), {withTransceivers, ioStandard, true, false});
}
