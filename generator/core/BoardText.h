#pragma once
// What the writers add to a project for one board: its global .qsf lines, its extra
// structural Verilog, the module files beside the project and its .sdc lines. The
// board that fills the model sets its own; a board without one adds nothing.

#include <string>

class TMainBoard;

class TBoardText {
public:
    virtual ~TBoardText() = default;

    virtual std::string QsfGlobalAssignments(const TMainBoard& /*board*/) const { return std::string(); }
    virtual std::string StructuralCode(const TMainBoard& /*board*/) const { return std::string(); }
    // The module files the project needs in folder; false when one could not be written.
    virtual bool ExportModules(const std::string& /*folder*/) const { return true; }
    virtual std::string SdcBoardClocks() const { return std::string(); }
    virtual std::string SdcInputDelays() const { return std::string(); }
    virtual std::string SdcOutputDelays() const { return std::string(); }
    virtual std::string SdcJtagClock() const { return std::string(); }
};
