#pragma once
// What every board form checks of the names it is given: the project name becomes
// a folder, file and module name; a prefix goes in front of a card's pin names.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kit {

// "" when a project name is given, else the message to show: all a saved record needs.
std::string CheckProjectNameGiven(const std::string& name);
// "" when the project name may be used for a project, else the message to show.
std::string CheckProjectName(const std::string& name);
// "" when the prefix may go in front of pin names of at most longestPinName bytes
// (of the card cardName), else the message to show.
std::string CheckPrefixName(const std::string& prefix, std::size_t longestPinName,
                            const std::string& cardName);
// The project name of a batch entry: format ("TAVRIN_GPIO_%s") with the card's short name.
std::string BatchProjectName(const char* format, uint8_t card);

} // namespace kit
