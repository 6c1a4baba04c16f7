#include "QsfText.h"

namespace kit {

std::string QsfLine(const std::string& text) {
    return text + "\r\n";
}

std::string NceoWhenUsed(const TMainBoard& board, const char* location, bool lineEnd) {
    if (!board.IsLocationUsed(location))
        return std::string();
    const std::string nceo =
        "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
    return lineEnd ? QsfLine(nceo) : nceo;
}

std::unique_ptr<TBoardText> MakeNceoText(NceoPin pin) {
    return MakeQsfText(
        [pin](const TMainBoard& board) { return NceoWhenUsed(board, pin.location, pin.lineEnd); });
}

} // namespace kit
