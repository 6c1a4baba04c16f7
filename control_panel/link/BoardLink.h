#pragma once
// One operation per board command. Each is one exchange (memory transfers: one per
// chunk) and is true only when the exchange succeeded and the board's status byte is 0.

#include "JtagLink.h"

#include <cstdint>
#include <string>

class CBoardLink : public CJtagLink {
public:
    // An empty name leaves name as it was.
    bool GetBoardName(std::string& name);
    bool SetLed(uint32_t mask);
    bool GetKeySwitch(uint32_t& keys, uint32_t& switches);
    bool SetSeg7(uint32_t value, uint8_t extra);
    bool WriteMemory(uint8_t memoryId, uint32_t address, const uint8_t* source, uint32_t length);
    bool ReadMemory(uint8_t memoryId, uint32_t address, uint8_t* destination, uint32_t length);
    bool GetGSensor(int16_t& x, int16_t& y, int16_t& z);
    // Returns the exchange's result alone; ok tells whether the board's status was 0.
    bool DeviceControl(bool& ok, uint8_t device, uint8_t operation, uint8_t argument);
};

// Called by the pages with the link before and after each use of it; does nothing.
void EmptyHandler(CBoardLink* link);
