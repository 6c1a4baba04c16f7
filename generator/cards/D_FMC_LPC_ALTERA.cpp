#include "D_FMC_HPC_ALTERA.h"

#include "cards/CardTables.h"

void FillCardFmcLpcAlteraPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard, bool rowKFilter) {
    AppendFmcStandardPins(conn, FmcSlotsOf({FmcAlteraRowsAToH(), FmcAlteraRowsJK()}),
                          {withTransceivers, ioStandard, true, rowKFilter});
}
