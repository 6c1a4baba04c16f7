// The JTAG-UART library's eleven entry points, with the vendor's C++ signatures, in
// front of the simulated board. Environment, read when a connection opens:
//   BOARDSIM_FAULT  faults to inject (SimFaults.h)
//   BOARDSIM_STATE  the board's state folder (SimState.h)
//   BOARDSIM_LOG    a file that gets one line per frame the board receives, its bytes
//                   in upper-case hex separated by single blanks
//   BOARDSIM_CABLE  the cable's name (default "USB-Blaster [USB-0]")
//   BOARDSIM_NAME   the name the board reports (default "DUNMIR")

#include "SimBoard.h"

#include <cstdlib>
#include <string>

#define BOARDSIM_EXPORT __attribute__((visibility("default")))

struct JTAGATLANTIC {
    std::string cable;
};

enum JATL_ERROR { JATL_NO_ERROR = 0 };

namespace {

std::string Env(const char* name, const char* fallback = "") {
    const char* value = std::getenv(name);
    return value != nullptr ? value : fallback;
}

SimBoard& Board() {
    static SimBoard board;
    return board;
}

// The cable serves one connection at a time.
JTAGATLANTIC* g_connection = nullptr;

} // namespace

BOARDSIM_EXPORT JTAGATLANTIC* jtagatlantic_open(const char* cable, int, int, const char*) {
    SimFaults faults = SimFaults::Parse(std::getenv("BOARDSIM_FAULT"));
    std::string name = Env("BOARDSIM_CABLE", "USB-Blaster [USB-0]");
    if (faults.noCable || (cable != nullptr && name != cable) || g_connection != nullptr)
        return nullptr;
    Board().Connect(faults, Env("BOARDSIM_STATE"), Env("BOARDSIM_LOG"), Env("BOARDSIM_NAME", "DUNMIR"));
    g_connection = new JTAGATLANTIC{name};
    return g_connection;
}

BOARDSIM_EXPORT void jtagatlantic_get_info(JTAGATLANTIC* link, const char** cable, int* device,
                                           int* instance) {
    if (cable != nullptr)
        *cable = link->cable.c_str();
    if (device != nullptr)
        *device = 1;
    if (instance != nullptr)
        *instance = 0;
}

BOARDSIM_EXPORT int jtagatlantic_cable_warning(JTAGATLANTIC*) {
    return 0;
}

BOARDSIM_EXPORT JATL_ERROR jtagatlantic_get_error(const char** app_name) {
    if (app_name != nullptr)
        *app_name = nullptr;
    return JATL_NO_ERROR;
}

BOARDSIM_EXPORT int jtagatlantic_read(JTAGATLANTIC*, char* buffer, unsigned int size) {
    return Board().Read(reinterpret_cast<uint8_t*>(buffer), size);
}

BOARDSIM_EXPORT int jtagatlantic_write(JTAGATLANTIC*, const char* data, unsigned int size) {
    return Board().Write(reinterpret_cast<const uint8_t*>(data), size);
}

BOARDSIM_EXPORT void jtagatlantic_close(JTAGATLANTIC* link) {
    if (link == g_connection) {
        Board().Disconnect();
        g_connection = nullptr;
    }
    delete link;
}

BOARDSIM_EXPORT int jtagatlantic_flush(JTAGATLANTIC*) {
    return 0;
}

BOARDSIM_EXPORT bool jtagatlantic_is_setup_done(JTAGATLANTIC*) {
    return true;
}

BOARDSIM_EXPORT int jtagatlantic_wait_open(JTAGATLANTIC*) {
    return 0;
}

#ifndef BOARDSIM_WITHOUT_BYTES_AVAILABLE
BOARDSIM_EXPORT int jtagatlantic_bytes_available(JTAGATLANTIC*) {
    return Board().Pending();
}
#endif
