#pragma once
// The note the SoC boards show after a successful Generate while HPS is ticked.

namespace latest {

inline constexpr const char* kHpsWarning = "===== HPS System warning =====\r\n"
                                           "To prevent any errors while compiling your Quartus project, \r\n"
                                           "please add the Altera HPS IP to your design.\r\n";

} // namespace latest
