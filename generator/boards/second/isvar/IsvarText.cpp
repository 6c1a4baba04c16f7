#include "IsvarText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard&) {
    return kit::QsfLine("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\"");
}

} // namespace

std::unique_ptr<TBoardText> MakeIsvarText() {
    return kit::MakeQsfText(QsfLines);
}
