#pragma once
// What the tests of the SoC boards (21 to 24) share: the board model of a record,
// and the texts these boards give alike.

#include "BoardModelQueries.h"
#include "core/MainBoard.h"

#include <memory>
#include <string>

namespace soc {

inline const std::string kHpsWarning = "===== HPS System warning =====\r\n"
                                       "To prevent any errors while compiling your Quartus project, \r\n"
                                       "please add the Altera HPS IP to your design.\r\n";

inline const std::string kPrefixClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                                        "connect to the same type of daughter boards.";

// A record of the board with its head and nothing else.
inline SettingsRecord Bare(uint8_t id, std::size_t size) {
    SettingsRecord r(size);
    r.SetU8(0, id);
    r.SetI32(4, static_cast<int32_t>(size));
    return r;
}

// The board model a pin table makes of a record.
template <class Table> std::unique_ptr<TMainBoard> Model(Table table, const SettingsRecord& r) {
    auto board = std::make_unique<TMainBoard>();
    table(board.get(), r);
    return board;
}

} // namespace soc
