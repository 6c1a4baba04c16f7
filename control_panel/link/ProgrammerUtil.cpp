#include "ProgrammerUtil.h"

#include "TickClock.h"
#include "platform/FileWrite.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr uint32_t DETECTION_TIMEOUT_MS = 10000;
constexpr uint32_t PUMP_SLICE_MS = 50;

bool IsFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void DeleteFile(const std::string& path) {
    unlink(path.c_str());
}

// A path in double quotes, safe for the shell whatever it holds.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '$' || c == '`' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string ProgramFolder() {
    return CProgrammerUtil::GetFolder(CProgrammerUtil::GetExePath());
}

// Waits up to ms for the child to end; true when it has.
bool WaitForChild(pid_t pid, int pidfd, uint32_t ms) {
    if (pidfd >= 0) {
        pollfd p{pidfd, POLLIN, 0};
        return poll(&p, 1, static_cast<int>(ms)) > 0;
    }
    // Kernels without process descriptors: look, then let the slice pass.
    int status = 0;
    if (waitpid(pid, &status, WNOHANG | WNOWAIT) == pid)
        return true;
    IdleFor(ms);
    return false;
}

int OpenProcessDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

} // namespace

uint32_t PumpMessages(uint32_t ms) {
    uint32_t start = GetTickCount();
    uint32_t elapsed = 0;
    for (;;) {
        platform::Current().ProcessEvents();
        elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return elapsed;
        IdleFor(1);
    }
}

std::string CProgrammerUtil::GetFolder(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0)
        return path;
    return path.substr(0, slash);
}

std::string CProgrammerUtil::GetExePath() {
    return platform::Current().ProgramPath();
}

std::string CProgrammerUtil::GetQuartusRootDir() {
    const char* root = std::getenv("QUARTUS_ROOTDIR");
    return root != nullptr ? root : "";
}

std::string CProgrammerUtil::GetQuartusBin64Dir() {
    std::string root = GetQuartusRootDir();
    // An empty root names no installation (the system's own /bin is not the programmer's).
    if (root.empty() || !IsFolder(root + "/bin64"))
        return "";
    return root + "/bin64";
}

std::string CProgrammerUtil::GetQuartusBinDir() {
    std::string root = GetQuartusRootDir();
    if (root.empty())
        return "";
    for (const char* bin : {"/bin64", "/bin32", "/bin"})
        if (IsFolder(root + bin))
            return root + bin;
    return "";
}

std::string CProgrammerUtil::GetBatchHeader() {
    return "# REM ######################################\n"
           "# REM # Variable to ignore <CR> in DOS\n"
           "# REM # line endings\n"
           "# set SHELLOPTS=igncr\n"
           "\n"
           "# REM ######################################\n"
           "# REM # Variable to ignore mixed paths\n"
           "# REM # i.e. G:/$SOPC_KIT_NIOS2/bin\n"
           "# set CYGWIN=nodosfilewarning\n"
           "\n";
}

bool CProgrammerUtil::WriteTextFile(const std::string& path, const std::string& text) {
    // Whole or not at all: a script cut short must not be run as if it were whole.
    int error = 0;
    return platform::ReplaceFile(path, text, error) == platform::ReplaceResult::Ok;
}

bool CProgrammerUtil::ReadTextFile(const std::string& path, std::string& text) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return false;
    bool ok = false;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        long length = std::ftell(f);
        if (length > 0 && std::fseek(f, 0, SEEK_SET) == 0) {
            std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
            std::size_t got = std::fread(buffer.data(), 1, static_cast<std::size_t>(length), f);
            text = buffer.data();
            ok = got == static_cast<std::size_t>(length);
        }
    }
    std::fclose(f);
    return ok;
}

bool CProgrammerUtil::RunProcess(const std::string& commandLine, uint32_t timeoutMs) {
    std::string folder = GetFolder(commandLine);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Hidden: no terminal of ours, nothing inherited.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group, so that a time-out ends the programmer it started as well.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::string shell = "/bin/sh";
    std::vector<char*> argv = {shell.data(), const_cast<char*>(commandLine.c_str()), nullptr};
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, shell.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0)
        return false;

    int pidfd = OpenProcessDescriptor(pid);
    uint32_t slice = timeoutMs / 100;
    uint32_t start = GetTickCount();
    bool ended = false;
    for (;;) {
        if (WaitForChild(pid, pidfd, slice)) {
            ended = true;
            break;
        }
        if (GetTickCount() - start > timeoutMs)
            break;
        PumpMessages(PUMP_SLICE_MS);
    }
    if (!ended)
        kill(-pid, SIGKILL);
    int status = 0;
    pid_t reaped;
    do
        reaped = waitpid(pid, &status, 0);
    while (reaped < 0 && errno == EINTR);
    if (pidfd >= 0)
        close(pidfd);
    return ended && reaped == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void CProgrammerUtil::PumpMessages(uint32_t ms) {
    ::PumpMessages(ms);
}

bool CProgrammerUtil::RunQuartusPgm(const std::string& arguments, std::string& output) {
    std::string folder = ProgramFolder();
    std::string script = folder + "/quartus_pgm.sh";
    std::string result = folder + "/result.txt";
    std::string bin = GetQuartusBinDir();
    DeleteFile(script);
    DeleteFile(result);
    if (bin.empty())
        return false;
    // One line, no line end.
    std::string line = Quoted(bin + "/quartus_pgm") + " " + arguments + " > " + Quoted(result);
    if (!WriteTextFile(script, line))
        return false;
    if (!RunProcess(script, DETECTION_TIMEOUT_MS))
        return false;
    if (!ReadTextFile(result, output))
        return false;
    DeleteFile(script);
    DeleteFile(result);
    return true;
}

bool CProgrammerUtil::ConfigureFpga(const std::string& designFile, uint32_t timeoutMs) {
    std::string script = ProgramFolder() + "/fpga_config.sh";
    DeleteFile(script);
    std::string text = "#!/bin/sh\n" + GetBatchHeader() + Quoted(GetQuartusBin64Dir() + "/quartus_pgm") +
                       " -m jtag -c 1 -o " + Quoted("p;" + designFile) + "\n" + "\n";
    if (!WriteTextFile(script, text))
        return false;
    return RunProcess(script, timeoutMs);
}
