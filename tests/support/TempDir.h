#pragma once
// A fresh folder under the system's temporary folder, removed with the object.

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder with a trailing "/", as the program folder is given.
    std::string Folder() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// Where screenshots go: $PW_SCREENSHOT_DIR when set (to keep them for a person to look
// at), else a folder of the system's temporary folder.
std::string ScreenshotDir();

} // namespace testsupport

namespace testsupport {

// Runs iverilog on a Verilog file; true when it accepts it. Its messages go to output.
bool IverilogAccepts(const std::string& path, std::string& output);
// The same for a design made of several files.
bool IverilogAcceptsAll(const std::vector<std::string>& paths, std::string& output);
// The same for a project: every .v file of the folder compiled together.
bool IverilogAcceptsFolder(const std::string& folder, std::string& output);

} // namespace testsupport
