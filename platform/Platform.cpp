#include "Platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
IPlatform* g_current = nullptr;
}

IPlatform& Current() {
    if (g_current == nullptr) {
        std::fputs("platform: no implementation installed\n", stderr);
        std::abort();
    }
    return *g_current;
}

IPlatform* Install(IPlatform* p) {
    IPlatform* previous = g_current;
    g_current = p;
    return previous;
}

} // namespace platform
