#pragma once
// Folder and file permissions hold back every user but root: a check of them runs in a
// child process that drops to "nobody" when the tests run as root.

#include <functional>
#include <optional>

namespace testsupport {

// The check's result, or nullopt when privileges cannot be dropped.
std::optional<bool> AsUnprivilegedUser(const std::function<bool()>& check);

} // namespace testsupport
