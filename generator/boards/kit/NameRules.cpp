#include "NameRules.h"

#include "model/DaughterCatalogue.h"
#include "model/Pin.h"
#include "platform/Text.h"

namespace kit {

std::string CheckProjectNameGiven(const std::string& name) {
    return name.empty() ? "Project Name cannot be empty." : std::string();
}

std::string CheckProjectName(const std::string& name) {
    if (name.empty())
        return CheckProjectNameGiven(name);
    for (unsigned char c : name)
        // It is written between quotes and at line starts of the project files.
        if (c < 0x20 || c == 0x7F || c == '"')
            return "Project Name cannot contain control characters or '\"'.";
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return "Project Name cannot contain '/' or '\\'.";
    if (name == "." || name == "..")
        return "Project Name cannot be '.' or '..'.";
    return std::string();
}

std::string CheckPrefixName(const std::string& prefix, std::size_t longestPinName,
                            const std::string& cardName) {
    for (char c : prefix) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok)
            return "Prefix Name can only contain letters, digits and underscores.";
    }
    if (!prefix.empty() && prefix[0] >= '0' && prefix[0] <= '9')
        return "Prefix Name cannot begin with a digit.";
    // The pin name field holds 128 bytes.
    constexpr std::size_t kLongest = TPin::kTextField - 1;
    if (prefix.size() + longestPinName > kLongest)
        return platform::Format("Prefix Name is too long: with it, pin names of %s would be longer than %zu "
                                "characters.",
                                cardName.c_str(), kLongest);
    return std::string();
}

std::string BatchProjectName(const char* format, uint8_t card) {
    return platform::Format(format, BoardShortName(static_cast<int8_t>(card)).c_str());
}

} // namespace kit
