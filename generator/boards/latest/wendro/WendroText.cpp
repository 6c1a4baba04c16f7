#include "WendroText.h"

#include "boards/latest/SdcClocksText.h"

std::unique_ptr<TBoardText> MakeWendroText() {
    return std::make_unique<SdcClocksText>(SdcFlags{}, SdcParts{.jtag = true});
}
