#pragma once
// The project-folder and .qpf dialog that every board form runs before Generate.

#include <string>

// Creates <program folder>CodeGenerated/<boardFolder>/<projectName>/ and asks for
// "<projectName>.qpf" there. Returns the chosen path, or "" on Cancel. A project
// name that is not a plain folder name ("/", "\", "." or "..") creates nothing
// and returns "" without a dialog. dialogName is the file name of the form's save
// dialog, which Save Setting shares: the proposed name, then the name chosen.
std::string ChooseProjectFile(const std::string& boardFolder, const std::string& projectName,
                              std::string& dialogName);
