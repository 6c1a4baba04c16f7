#include "Assert.h"

#include "Platform.h"
#include "Text.h"

#include <cstdlib>

namespace platform {

std::string AssertionText(const char* expr, const char* file, int line) {
    return Format("Assertion failed: %s, file %s, line %d", expr, file, line);
}

void AssertFailed(const char* expr, const char* file, int line) {
    Current().Fatal(AssertionText(expr, file, line));
    std::abort(); // not reached: Fatal does not return
}

} // namespace platform
