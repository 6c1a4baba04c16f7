#pragma once
// The eleven entry points of the JTAG-UART library, in the order they are looked up,
// with the names g++ gives their C++ signatures. All must be present.

#include <cstddef>

struct JtagEntryPoint {
    const char* name;
    const char* decorated;
};

enum JtagEntry : std::size_t {
    JTAG_OPEN,
    JTAG_GET_INFO,
    JTAG_CABLE_WARNING,
    JTAG_GET_ERROR,
    JTAG_READ,
    JTAG_WRITE,
    JTAG_CLOSE,
    JTAG_FLUSH,
    JTAG_IS_SETUP_DONE,
    JTAG_WAIT_OPEN,
    JTAG_BYTES_AVAILABLE,
    JTAG_ENTRY_COUNT
};

// clang-format off
constexpr JtagEntryPoint JTAG_ENTRY_POINTS[JTAG_ENTRY_COUNT] = {
    {"jtagatlantic_open",            "_Z17jtagatlantic_openPKciiS0_"},
    {"jtagatlantic_get_info",        "_Z21jtagatlantic_get_infoP12JTAGATLANTICPPKcPiS4_"},
    {"jtagatlantic_cable_warning",   "_Z26jtagatlantic_cable_warningP12JTAGATLANTIC"},
    {"jtagatlantic_get_error",       "_Z22jtagatlantic_get_errorPPKc"},
    {"jtagatlantic_read",            "_Z17jtagatlantic_readP12JTAGATLANTICPcj"},
    {"jtagatlantic_write",           "_Z18jtagatlantic_writeP12JTAGATLANTICPKcj"},
    {"jtagatlantic_close",           "_Z18jtagatlantic_closeP12JTAGATLANTIC"},
    {"jtagatlantic_flush",           "_Z18jtagatlantic_flushP12JTAGATLANTIC"},
    {"jtagatlantic_is_setup_done",   "_Z26jtagatlantic_is_setup_doneP12JTAGATLANTIC"},
    {"jtagatlantic_wait_open",       "_Z22jtagatlantic_wait_openP12JTAGATLANTIC"},
    {"jtagatlantic_bytes_available", "_Z28jtagatlantic_bytes_availableP12JTAGATLANTIC"},
};
// clang-format on
