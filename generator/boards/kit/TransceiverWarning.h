#pragma once
// The note after a Generate whose project has transceiver pins: they need the
// vendor's transceiver IP, or the project does not compile.

#include "platform/Text.h"

#include <string>

namespace kit {

// names: the ticked parts with transceivers, as the board joins them ("PCIe/SATA").
inline std::string TransceiverWarning(const std::string& names) {
    return platform::Format("===== %s  Transceiver Pinwright warning =====\r\n", names.c_str()) +
           "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
           "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
           "Transceiver IP to your design.\r\n";
}

} // namespace kit
