#include "SimBoardFixture.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

ScopedEnv::ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name))
        previous_ = old;
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
    if (previous_)
        setenv(name_.c_str(), previous_->c_str(), 1);
    else
        unsetenv(name_.c_str());
}

SimBoardTest::SimBoardTest() {
    std::filesystem::create_directories(StateFolder());
    seam.SetProgramPath(temp.File("lumastat"));
}

void SimBoardTest::SetState(const std::string& item, const std::string& text) const {
    testsupport::WriteFile(StateFolder() + "/" + item, text);
}

std::vector<std::string> SimBoardTest::Requests() const {
    std::istringstream in(testsupport::ReadFile(temp.File("requests.log")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
