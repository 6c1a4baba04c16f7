#include "QuenorText.h"

#include "boards/second/PlaceholderText.h"

std::unique_ptr<TBoardText> MakeQuenorText() {
    return std::make_unique<PlaceholderText>(312, 707);
}
