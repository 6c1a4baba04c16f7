#include "ClockModules.h"

#include "core/Pinwright.h"
#include "platform/Assert.h"
#include "platform/Text.h"

bool ExportExtPllModule(const std::string& folder) {
    return TPinwright().ExportResource(folder + "EXT_PLL_CTRL.v", "EXT_PLL_CTRL_VERILOG");
}

bool ExportSi570Modules(const std::string& folder) {
    for (const char* file :
         {"si570_controller.v", "clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
          "i2c_controller.v", "i2c_reg_controller.v", "initial_config.v"})
        if (!TPinwright().ExportResource(folder + file, platform::ChangeFileExt(file, "_verilog")))
            return false;
    return true;
}

bool ExportCdcm61004Module(const std::string& folder) {
    return TPinwright().ExportResource(folder + "CDCM6100x_Config.v", "cdcm6100x_config_verilog");
}

void AssertBoardId(int boardId, int expected, const char* rule, const char* source, int line) {
    PW_ASSERT(boardId == expected, rule, source, line);
}

bool ExportCdcmAndSi570Modules(const std::string& folder, int32_t cdcm61004, int32_t si570) {
    bool result = true;
    if (si570 != 0 && !ExportSi570Modules(folder))
        result = false;
    if (cdcm61004 != 0)
        result = ExportCdcm61004Module(folder) && result;
    return result;
}
