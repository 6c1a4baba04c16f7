#include "TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pw-test-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string BuildDir() {
    const char* dir = std::getenv("PW_BUILD_DIR");
    return dir ? dir : std::filesystem::temp_directory_path().string();
}

} // namespace testsupport

namespace testsupport {

bool IverilogAccepts(const std::string& path, std::string& output) {
    return IverilogAcceptsAll({path}, output);
}

bool IverilogAcceptsAll(const std::vector<std::string>& paths, std::string& output) {
    std::string command = "iverilog -o /dev/null";
    for (const std::string& path : paths)
        command += " '" + path + "'";
    command += " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        output = "cannot run iverilog";
        return false;
    }
    char buffer[256];
    output.clear();
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    int status = pclose(pipe);
    return status == 0;
}

} // namespace testsupport
