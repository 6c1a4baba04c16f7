#include "CardixText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    return kit::NceoWhenUsed(b, "AE24", false);
}

} // namespace

std::unique_ptr<TBoardText> MakeCardixText() {
    return kit::MakeQsfText(QsfLines);
}
