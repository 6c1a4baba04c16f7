#include "KestinText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    return kit::NceoWhenUsed(b, "P28", true);
}

} // namespace

std::unique_ptr<TBoardText> MakeKestinText() {
    return kit::MakeQsfText(QsfLines);
}
