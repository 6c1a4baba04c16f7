#pragma once
// The boards a parameterised test runs over: every board with a pin table, each test
// named after its board id ("Board30").

#include "boards/BoardTable.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

inline std::vector<uint8_t> BoardsWithPins() {
    std::vector<uint8_t> ids;
    for (const BoardRow& row : BoardTable())
        if (row.logic != nullptr)
            ids.push_back(row.id);
    return ids;
}

inline std::string BoardParamName(const ::testing::TestParamInfo<uint8_t>& info) {
    return "Board" + std::to_string(info.param);
}
