#include "BelmicText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    return kit::NceoWhenUsed(b, "W20", false);
}

} // namespace

std::unique_ptr<TBoardText> MakeBelmicText() {
    return kit::MakeQsfText(QsfLines);
}
