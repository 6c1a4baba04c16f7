#include "Unprivileged.h"

#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

std::optional<bool> AsUnprivilegedUser(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

} // namespace testsupport
