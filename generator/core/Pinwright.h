#pragma once
// The project writer: .qpf, .qsf, top-level .v, extra modules, .sdc and .htm.

#include "MainBoard.h"

#include <string>

class TPinwright {
public:
    // Every file in order, each only after all before it succeeded.
    bool Generate(TMainBoard* board, const std::string& qpfPath);

    bool WriteQpf(const std::string& path);
    bool WriteQsf(TMainBoard* board, const std::string& path);
    bool WriteVerilog(TMainBoard* board, const std::string& path);
    bool ExportVerilogModules(TMainBoard* board, const std::string& folder);
    bool ExportResource(const std::string& fileName, const std::string& resourceName);
    bool WriteSdc(TMainBoard* board, const std::string& path);
    bool WritePinReport(TMainBoard* board, const std::string& path);

    std::string GetSdcBoardClocks(TMainBoard* board);
    std::string GetSdcJtagClock(TMainBoard* board);
    std::string GetSdcInputDelays(TMainBoard* board);
    std::string GetSdcOutputDelays(TMainBoard* board);

    // Pin names the user made (prefix, project) that no module could declare: refused
    // with a box naming the pin before any file is written.
    bool CheckPinNames(TMainBoard* board);
    // Two pins at one FPGA location: refused the same way.
    bool CheckLocations(TMainBoard* board);

private:
    bool WriteText(const std::string& path, const std::string& text);
};

// FMC position label: 1 is "A1", 41 "B1", 400 "K40".
std::string FmcPinLabel(int position);
