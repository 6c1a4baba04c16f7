#include "ConfigForvik.h"

#include "settings/ConfigFile.h"

bool TConfigForvik::LoadConfigFile(const std::string& fileName) {
    return configfile::Load(fileName, Config.data(), Config.size());
}

bool TConfigForvik::SaveConfigFile(const std::string& fileName) {
    return configfile::Save(fileName, Config.data(), Config.size());
}
