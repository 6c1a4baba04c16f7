#include "ZephalText.h"

#include "boards/kit/QsfText.h"

namespace {

std::string QsfLines(const TMainBoard& b) {
    if (!(b.IsLocationUsed("C7") || b.IsLocationUsed("D6") || b.IsLocationUsed("D8") ||
          b.IsLocationUsed("E10") || b.IsLocationUsed("E9")))
        return std::string();
    const std::string banner = "#============================================================\r\n";
    return "\r\n" + banner + kit::QsfLine("# disable config pin so bank8 can use 1.2V ") + banner +
           kit::QsfLine("set_global_assignment -name AUTO_RESTART_CONFIGURATION ON") +
           kit::QsfLine("set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF") +
           kit::QsfLine("set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF") + "\r\n";
}

} // namespace

std::unique_ptr<TBoardText> MakeZephalText() {
    return kit::MakeQsfText(QsfLines);
}
