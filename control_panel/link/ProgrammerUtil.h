#pragma once
// Runs the vendor's programmer (quartus_pgm) through small shell scripts written beside
// the program: device detection and loading the control design into the FPGA.

#include <cstdint>
#include <string>

// Serves the user interface at least once and until ms milliseconds have passed;
// returns the milliseconds that passed.
uint32_t PumpMessages(uint32_t ms);

class CProgrammerUtil {
public:
    // The text before the last "/"; the whole path when it has none or only a leading one.
    static std::string GetFolder(const std::string& path);
    static std::string GetExePath();
    // QUARTUS_ROOTDIR, or empty.
    static std::string GetQuartusRootDir();
    // root/bin64 when it exists, else empty (configuration).
    static std::string GetQuartusBin64Dir();
    // The first existing of root/bin64, root/bin32, root/bin, else empty (detection, library).
    static std::string GetQuartusBinDir();
    // The configuration script's header lines.
    static std::string GetBatchHeader();
    // Writes the text as every file is written (platform::ReplaceFile): on failure false,
    // with the file at path as it was and no temporary file beside it.
    static bool WriteTextFile(const std::string& path, const std::string& text);
    // The file's text up to its first zero byte; false when missing, empty or unreadable.
    static bool ReadTextFile(const std::string& path, std::string& text);
    // Runs the script with /bin/sh in its own folder, hidden, pumping messages while it
    // waits; true when it exits with 0 within the time-out. One that does not is killed.
    static bool RunProcess(const std::string& commandLine, uint32_t timeoutMs);
    static void PumpMessages(uint32_t ms);

    // Runs quartus_pgm with the arguments and returns what it printed.
    bool RunQuartusPgm(const std::string& arguments, std::string& output);
    // Programs the FPGA with the design file (a name relative to the program's folder).
    bool ConfigureFpga(const std::string& designFile, uint32_t timeoutMs);
};
