#include "HestorText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard&) {
    return kit::QsfLine("set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0") +
           kit::QsfLine("set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85");
}

} // namespace

std::unique_ptr<TBoardText> MakeHestorText() {
    return kit::MakeQsfText(QsfLines);
}
