#pragma once
// The module files the external-PLL and oscillator boards carry beside their project.

#include <cstdint>
#include <string>

// EXT_PLL_CTRL.v.
bool ExportExtPllModule(const std::string& folder);
// si570_controller.v and the I2C files it needs; it stops at the first that fails.
bool ExportSi570Modules(const std::string& folder);
// CDCM6100x_Config.v.
bool ExportCdcm61004Module(const std::string& folder);
// The boards that assert their own id in their texts ("m_BoardId == ...", source, line).
void AssertBoardId(int boardId, int expected, const char* rule, const char* source, int line);
// The Si570 files when si570 is chosen, then the CDCM61004 file when cdcm61004 is
// chosen (not 0); the second is written even when the first failed.
bool ExportCdcmAndSi570Modules(const std::string& folder, int32_t cdcm61004, int32_t si570);
