// The generic GPIO card as board 10 names it: suffixes only, so that the header's prefix
// makes the full names (P_IN[0], P_IN[1] and the bus P[0..33]).

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kGpioDefaultJorrelPins[] = {
    {1, "_IN[0]", DIRECTION_INPUT},
    {2, "[0]", DIRECTION_INOUT},
    {3, "_IN[1]", DIRECTION_INPUT},
    {4, 10, "", 1, 7, DIRECTION_INOUT},
    {13, 28, "", 8, 23, DIRECTION_INOUT},
    {31, 40, "", 24, 33, DIRECTION_INOUT},
};
// clang-format on
static_assert(GpioRunsFit(kGpioDefaultJorrelPins));

} // namespace

void FillCardGpioDefaultJorrelPins(TConnector* conn) {
    AppendGpioRuns(conn, kGpioDefaultJorrelPins, IOSTD_3V3_LVTTL);
}
