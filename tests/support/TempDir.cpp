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

std::string ScreenshotDir() {
    const char* dir = std::getenv("PW_SCREENSHOT_DIR");
    const std::filesystem::path folder =
        dir != nullptr && dir[0] != '\0' ? std::filesystem::path(dir)
                                         : std::filesystem::temp_directory_path() / "pinwright-screenshots";
    std::filesystem::create_directories(folder);
    return folder.string();
}

} // namespace testsupport

namespace testsupport {

namespace {

bool RunIverilog(const std::string& files, std::string& output) {
    std::string command = "iverilog -o /dev/null " + files + " 2>&1";
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

} // namespace

bool IverilogAccepts(const std::string& path, std::string& output) {
    return RunIverilog("'" + path + "'", output);
}

bool IverilogAcceptsAll(const std::vector<std::string>& paths, std::string& output) {
    std::string files;
    for (const std::string& path : paths)
        files += " '" + path + "'";
    return RunIverilog(files, output);
}

bool IverilogAcceptsFolder(const std::string& folder, std::string& output) {
    std::string files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".v")
            files += " '" + entry.path().string() + "'";
    return RunIverilog(files, output);
}

} // namespace testsupport
