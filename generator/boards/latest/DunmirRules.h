#pragma once
// What the Dunmir form decides about names, as plain functions.

#include <cstdint>
#include <string>

// The project names of the left-Ctrl batch: "DUNMIR_GPIO_<short name>".
std::string BatchProjectName(uint8_t daughterId);
// "" when the project name may be used as a folder name, else the message to show.
std::string CheckProjectName(const std::string& name);
// "" when the prefix holds only letters, digits and "_" (or is empty), else the message.
std::string CheckPrefixName(const std::string& prefix);
