#pragma once
// What the tests of the SoC boards (21 to 24) share: the texts these boards give alike.

#include "BoardModelQueries.h"

#include <string>

namespace soc {

inline const std::string kHpsWarning = "===== HPS System warning =====\r\n"
                                       "To prevent any errors while compiling your Quartus project, \r\n"
                                       "please add the Altera HPS IP to your design.\r\n";

inline const std::string kPrefixClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                                        "connect to the same type of daughter boards.";

} // namespace soc
