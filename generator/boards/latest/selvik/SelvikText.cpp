#include "SelvikText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    if (!b.IsLocationUsed("P9"))
        return std::string();
    const std::string banner = "#============================================================\r\n";
    return "\r\n" + banner + kit::QsfLine("# Transceiver ") + banner +
           kit::QsfLine(
               "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to "
               "HSMC_REF_CLK_p") +
           "\r\n";
}

} // namespace

std::unique_ptr<TBoardText> MakeSelvikText() {
    return kit::MakeQsfText(QsfLines);
}
