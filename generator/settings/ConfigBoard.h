#pragma once
// Settings object of the newest boards: the project writers reach it through the
// board model and ask it for board-specific .qsf lines, Verilog and module files.

#include "DaughterList.h"

#include <cstdint>
#include <string>

class TConfigBoard {
public:
    virtual ~TConfigBoard() = default;

    std::string LastFolder;
    // The file name of the form's save dialog, which Save Setting and the project file share.
    std::string SaveDialogName;
    int32_t DaughterCount = 0;
    DaughterIdList DaughterIds{};

    virtual bool LoadConfigFile(const std::string& fileName) = 0;
    virtual bool SaveConfigFile(const std::string& fileName) = 0;
    // Extra .qsf lines; none unless the board has clock chips.
    virtual std::string GetQsfAssignments() { return std::string(); }
    // Extra text for the top-level module's structural part; none by default.
    virtual std::string GetStructuralCode() { return std::string(); }
    // Writes the board's extra module files below folder (ending in "/"); true when
    // the project may go on.
    virtual bool ExportVerilogModules(std::string folder);

    // default.cfg in the program folder, shared by every board.
    bool SaveDefaultConfig();
    bool LoadDefaultConfig();
    // The Save Setting dialog proposes SaveDialogName in LastFolder.
    bool SaveConfigAs();
    bool LoadConfigFrom();

    std::string ChooseProjectFile(const std::string& boardFolder, const std::string& projectName);
    // Writes the program resource resourceName to fileName; false when there is no
    // such resource (the old file is then left alone) or the file cannot be written.
    static bool ExportResource(const std::string& fileName, const std::string& resourceName);

    void BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltage);
};
