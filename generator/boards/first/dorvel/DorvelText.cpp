#include "DorvelText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    return kit::NceoWhenUsed(b, "AD25", false);
}

} // namespace

std::unique_ptr<TBoardText> MakeDorvelText() {
    return kit::MakeQsfText(QsfLines);
}
