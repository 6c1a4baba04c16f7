#pragma once
// The steps of Generate, without widgets: the checks, the board model, the writers and
// the boxes after them, and the left-Ctrl batch. kit::FormSession runs them in the
// form's order.

#include "BoardLogic.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kit {

// Asks for the project file of a project (the board's folder, the project's name):
// the .qpf path, or "" when the user cancels.
using FolderQuestion =
    std::function<std::string(const std::string& boardFolder, const std::string& projectName)>;

// Builds the board model of a record (pin table and attach steps) without writing.
// settings keeps the settings object the model points to; false when a card has no table.
bool BuildBoard(const BoardLogic& logic, const SettingsRecord& r, TMainBoard& board,
                std::unique_ptr<TConfigBoard>& settings);

// The board model and project of one record: default prefixes are already in r.
// Shows only the writers' own boxes; true when the project was written.
bool GenerateProject(const BoardLogic& logic, const SettingsRecord& r, const std::string& qpfPath);

void ShowNotices(const std::vector<Notice>& notices);

// GenerateProject, then what the form shows: the notices after a success, or the
// failure box naming the .qpf file.
bool GenerateAndReport(const BoardLogic& logic, const SettingsRecord& r, const std::string& qpfPath);

// What Save and Generate check first: validation (its message in an error box), then the
// board's own warnings and questions. False stops.
bool CheckSettings(const BoardLogic& logic, const SettingsRecord& r, CheckFor what);

// The projects of the batch, each in a sub-folder of its name under folder; stops at the
// first that fails. True when every one was written.
bool GenerateBatch(const BoardLogic& logic, const std::vector<BatchProject>& projects,
                   const std::string& folder);

} // namespace kit
