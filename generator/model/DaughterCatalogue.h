#pragma once
// What the generator knows of every daughter board ("card") by its id. Ids are
// compared as signed bytes: 128 to 255 lie outside the catalogue like negatives.

#include "ConnectorType.h"
#include "DaughterId.h"
#include "IoStandard.h"

#include <cstdint>
#include <string>

uint8_t BoardConnectorType(int8_t BoardId);
std::string BoardName(int8_t BoardId);
std::string BoardShortName(int8_t BoardId);
std::string BoardDescription(int8_t BoardId);
bool IsBoardSelectable(int8_t BoardId);
bool IsTransceiverBoard(int8_t BoardId);
uint8_t BoardIoVoltage(int8_t BoardId);
uint8_t BoardIoStandard(int BoardId);
bool IsVoltageIndependentBoard(int8_t BoardId);
bool IsSortableBoard(int8_t BoardId);
