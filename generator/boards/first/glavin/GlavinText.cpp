#include "GlavinText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    std::string text;
    if (b.IsLocationUsed("D1"))
        text += kit::QsfLine(
            "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
    if (b.IsLocationUsed("H3"))
        text += kit::QsfLine(
            "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"");
    return text + kit::NceoWhenUsed(b, "E18", true);
}

} // namespace

std::unique_ptr<TBoardText> MakeGlavinText() {
    return kit::MakeQsfText(QsfLines);
}
