#pragma once
// Broken internal rules end the program through an assertion box that names the
// rule, the source and the line each check states (fixed names, not this build's).

#include <string>

namespace platform {

// "Assertion failed: <expr>, file <file>, line <line>"
std::string AssertionText(const char* expr, const char* file, int line);

[[noreturn]] void AssertFailed(const char* expr, const char* file, int line);

} // namespace platform

// PW_ASSERT(cond, "expression text", "SourceName", line)
#define PW_ASSERT(cond, expr, file, line)                                                                    \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            ::platform::AssertFailed(expr, file, line);                                                      \
    } while (0)
