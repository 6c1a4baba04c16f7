#include "D_HSMC_HOVRIN.h"

#include "CardTables.h"

using namespace hsmcb;

void FillCardHovrinPins(TConnector* conn) {
    AppendHsmcPinSets(conn, {{kHovrinPins, IOSTD_2V5}});
}
