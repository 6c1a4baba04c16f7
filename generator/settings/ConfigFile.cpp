#include "ConfigFile.h"

#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace configfile {

namespace {

const char* const kCfgFilter = "Board Configuration Files (*.cfg)|*.CFG";
const char* const kCfgExt = "cfg";

platform::FileDialogRequest CfgDialog(const std::string& lastFolder) {
    platform::FileDialogRequest r;
    r.filter = kCfgFilter;
    r.defaultExt = kCfgExt;
    r.initialDir = lastFolder;
    return r;
}

} // namespace

bool Load(const std::string& path, uint8_t* record, std::size_t size) {
    int fd = platform::OpenRegularFile(path);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && static_cast<int64_t>(st.st_size) == static_cast<int64_t>(size);
    std::vector<uint8_t> buffer(size);
    std::size_t got = 0;
    while (ok && got < size) {
        ssize_t n = ::read(fd, buffer.data() + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (ok)
        std::copy(buffer.begin(), buffer.end(), record);
    return ok;
}

bool Save(const std::string& path, const uint8_t* record, std::size_t size) {
    int error = 0;
    switch (
        platform::ReplaceFile(path, std::string_view(reinterpret_cast<const char*>(record), size), error)) {
    case platform::ReplaceResult::Ok:
        return true;
    case platform::ReplaceResult::ShortWrite:
        platform::ShowMessage("Failed to write file.", "Error", platform::Icon::Error);
        return false;
    case platform::ReplaceResult::CannotCreate:
    case platform::ReplaceResult::WriteFailed:
        break;
    }
    platform::ShowMessage("Failed to create file.", "Error", platform::Icon::Error);
    return false;
}

std::string DefaultConfigPath() {
    return platform::Format("%s%s", platform::Current().ProgramFolder().c_str(), "default.cfg");
}

std::string AskSavePath(std::string& lastFolder, std::string& dialogName) {
    platform::FileDialogRequest r = CfgDialog(lastFolder);
    r.fileName = dialogName;
    r.askOverwrite = true;
    std::string path = platform::Current().SaveFileDialog(r);
    if (!path.empty()) {
        lastFolder = platform::ExtractFilePath(path);
        dialogName = platform::ExtractFileName(path);
    }
    return path;
}

std::string AskLoadPath(std::string& lastFolder) {
    std::string path = platform::Current().OpenFileDialog(CfgDialog(lastFolder));
    if (!path.empty())
        lastFolder = platform::ExtractFilePath(path);
    return path;
}

} // namespace configfile
