#include "DunmirRules.h"

#include "model/DaughterCatalogue.h"
#include "platform/Text.h"

std::string BatchProjectName(uint8_t daughterId) {
    return platform::Format("DUNMIR_GPIO_%s", BoardShortName(static_cast<int8_t>(daughterId)).c_str());
}

std::string CheckProjectName(const std::string& name) {
    if (name.empty())
        return "Project Name cannot be empty.";
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return "Project Name cannot contain '/' or '\\'.";
    if (name == "." || name == "..")
        return "Project Name cannot be '.' or '..'.";
    return std::string();
}

std::string CheckPrefixName(const std::string& prefix) {
    for (char c : prefix) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok)
            return "Prefix Name can only contain letters, digits and underscores.";
    }
    return std::string();
}
