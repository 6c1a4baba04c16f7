#include "ConfigDunmir.h"

#include "settings/ConfigFile.h"

bool TConfigDunmir::LoadConfigFile(const std::string& fileName) {
    return configfile::Load(fileName, Config.data(), Config.size());
}

bool TConfigDunmir::SaveConfigFile(const std::string& fileName) {
    return configfile::Save(fileName, Config.data(), Config.size());
}
