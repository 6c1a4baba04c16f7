#include "ProjectFolder.h"

#include "platform/Platform.h"
#include "platform/Text.h"

#include <filesystem>
#include <system_error>

namespace {

// The name becomes one folder below the board's folder, never a way out of it.
bool IsPlainFolderName(const std::string& name) {
    return name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

} // namespace

std::string ChooseProjectFile(const std::string& boardFolder, const std::string& projectName,
                              std::string& dialogName) {
    if (!IsPlainFolderName(projectName))
        return std::string();
    std::string folder =
        platform::Format("%sCodeGenerated/%s/%s/", platform::Current().ProgramFolder().c_str(),
                         boardFolder.c_str(), projectName.c_str());
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        std::filesystem::create_directories(folder, ec); // a failure shows in the dialog's folder

    platform::FileDialogRequest r;
    r.initialDir = folder;
    r.filter = "Quartus Project File (*.qpf)|*.QPF";
    r.defaultExt = "qpf";
    dialogName = projectName + ".qpf";
    r.fileName = dialogName;
    std::string path = platform::Current().SaveFileDialog(r);
    if (!path.empty())
        dialogName = platform::ExtractFileName(path);
    return path;
}
