#include "RerunInFolder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace testsupport {

namespace {
constexpr const char* kRerunVariable = "PW_TEST_RERUN";
}

bool InRerun() {
    return std::getenv(kRerunVariable) != nullptr;
}

bool RerunInFolder(const std::string& folder, const std::string& programName) {
    namespace fs = std::filesystem;
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path copy = fs::path(folder) / programName;
    std::error_code ec;
    fs::create_hard_link(self, copy, ec);
    if (ec && !fs::copy_file(self, copy, ec))
        return false;

    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    std::string program = copy.string();
    std::vector<char*> argv = {program.data(), filter.data(), nullptr};
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        env.emplace_back(*e);
    env.push_back(std::string(kRerunVariable) + "=1");
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace testsupport
