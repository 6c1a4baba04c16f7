#include "ArvelText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    return kit::NceoWhenUsed(b, "K22", true);
}

} // namespace

std::unique_ptr<TBoardText> MakeArvelText() {
    return kit::MakeQsfText(QsfLines);
}
