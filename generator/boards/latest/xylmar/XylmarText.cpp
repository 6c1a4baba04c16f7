#include "XylmarText.h"

#include "boards/latest/SdcClocksText.h"

std::unique_ptr<TBoardText> MakeXylmarText() {
    return std::make_unique<SdcClocksText>(SdcFlags{}, SdcParts{.jtag = true});
}
