#include "ElbrinText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    return kit::QsfLine("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"") +
           kit::NceoWhenUsed(b, "P28", true);
}

} // namespace

std::unique_ptr<TBoardText> MakeElbrinText() {
    return kit::MakeQsfText(QsfLines);
}
