// The Arduino adaptor's sixteen digital lines.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kArduinoDigitalPins[] = {
    {4, 10, "Arduino_IO", 0, 6, DIRECTION_INOUT},
    {13, 21, "Arduino_IO", 7, 15, DIRECTION_INOUT},
};
// clang-format on
static_assert(GpioRunsFit(kArduinoDigitalPins));

} // namespace

void FillCardArduinoDigitalPins(TConnector* conn) {
    AppendGpioRuns(conn, kArduinoDigitalPins, IOSTD_3V3_LVTTL);
}
