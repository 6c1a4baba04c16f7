#include "JorrelText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    std::string text = kit::NceoWhenUsed(b, "F16", true);
    if (b.IsLocationUsed("C1")) {
        text += kit::QsfLine(
            "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        text += kit::QsfLine(
            "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        text += kit::QsfLine(
            "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
        text += kit::QsfLine(
            "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
    }
    return text;
}

} // namespace

std::unique_ptr<TBoardText> MakeJorrelText() {
    return kit::MakeQsfText(QsfLines);
}
