#pragma once
// Settings object of the boards whose forms keep one plain record: the record,
// the folder of the last .cfg dialog and the daughter-board list of one connector.

#include "ConfigFile.h"
#include "DaughterList.h"
#include "ProjectFolder.h"

#include <cstdint>
#include <string>

template <class X_CONFIG> class TConfigBase {
public:
    X_CONFIG Config{};
    std::string LastFolder;
    // The file name of the form's save dialog, which Save Setting and the project file share.
    std::string SaveDialogName;
    int32_t DaughterCount = 0;
    DaughterIdList DaughterIds{};

    bool LoadConfigFile(X_CONFIG& record, const std::string& fileName) {
        return configfile::Load(fileName, record.data(), record.size());
    }
    bool SaveConfigFile(const X_CONFIG& record, const std::string& fileName) {
        return configfile::Save(fileName, record.data(), record.size());
    }

    // default.cfg in the program folder, shared by every board.
    bool LoadDefaultConfig() { return LoadConfigFile(Config, configfile::DefaultConfigPath()); }
    bool SaveDefaultConfig() { return SaveConfigFile(Config, configfile::DefaultConfigPath()); }

    // The Save Setting and Load Setting dialogs, starting in LastFolder.
    bool SaveConfigAs() {
        std::string path = configfile::AskSavePath(LastFolder, SaveDialogName);
        return !path.empty() && SaveConfigFile(Config, path);
    }
    bool LoadConfigFrom() {
        std::string path = configfile::AskLoadPath(LastFolder);
        return !path.empty() && LoadConfigFile(Config, path);
    }

    void BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltage) {
        DaughterCount = ::BuildDaughterList(connectorType, transceiversAllowed, voltage, DaughterIds);
    }

    std::string ChooseProjectFile(const std::string& boardFolder, const std::string& projectName) {
        return ::ChooseProjectFile(boardFolder, projectName, SaveDialogName);
    }
};
