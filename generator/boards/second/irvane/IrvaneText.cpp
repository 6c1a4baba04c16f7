#include "IrvaneText.h"

#include "boards/second/PlaceholderText.h"

std::unique_ptr<TBoardText> MakeIrvaneText() {
    return std::make_unique<PlaceholderText>(408, 0);
}
