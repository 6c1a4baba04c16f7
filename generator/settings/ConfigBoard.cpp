#include "ConfigBoard.h"

#include "ConfigFile.h"
#include "ProjectFolder.h"

#include "platform/FileWrite.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <filesystem>
#include <optional>
#include <system_error>

bool TConfigBoard::ExportVerilogModules(std::string /*folder*/) {
    return true;
}

bool TConfigBoard::SaveDefaultConfig() {
    return SaveConfigFile(configfile::DefaultConfigPath());
}

bool TConfigBoard::LoadDefaultConfig() {
    return LoadConfigFile(configfile::DefaultConfigPath());
}

bool TConfigBoard::SaveConfigAs() {
    std::string path = configfile::AskSavePath(LastFolder, SaveDialogName);
    return !path.empty() && SaveConfigFile(path);
}

bool TConfigBoard::LoadConfigFrom() {
    std::string path = configfile::AskLoadPath(LastFolder);
    return !path.empty() && LoadConfigFile(path);
}

std::string TConfigBoard::ChooseProjectFile(const std::string& boardFolder, const std::string& projectName) {
    return ::ChooseProjectFile(boardFolder, projectName, SaveDialogName);
}

bool TConfigBoard::ExportResource(const std::string& fileName, const std::string& resourceName) {
    // The file already there is replaced only by a whole new one, never removed first.
    std::optional<std::string> bytes = platform::Current().ReadResource(resourceName);
    if (!bytes)
        return false;
    std::error_code ec;
    std::string folder = platform::ExtractFilePath(fileName);
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec))
        std::filesystem::create_directory(folder, ec); // one level only, as the writers expect
    int error = 0;
    return platform::ReplaceFile(fileName, *bytes, error) == platform::ReplaceResult::Ok;
}

void TConfigBoard::BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltage) {
    DaughterCount = ::BuildDaughterList(connectorType, transceiversAllowed, voltage, DaughterIds);
}
