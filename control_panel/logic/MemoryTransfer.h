#pragma once
// A sequential transfer between memory and a buffer in about twenty steps, so that the
// progress shows and an Abort click is served between them.

#include <cstdint>

class CBoardLink;

enum class TransferDirection { Write, Read };

// What the transfer shows and asks between its steps.
class IMemoryProgress {
public:
    virtual ~IMemoryProgress() = default;
    virtual void SetPercentage(int percent) = 0;
    virtual bool IsAborted() = 0;
};

// A twentieth of the length, at least one byte.
uint32_t TransferStepSize(uint32_t length);
// done x 100 / length, rounded down, without overflowing.
int TransferPercent(uint32_t done, uint32_t length);

// Moves length bytes step by step; after each step shows the progress and serves pending
// events for a millisecond. False when a step fails or Abort was clicked.
bool RunMemoryTransfer(CBoardLink& link, TransferDirection direction, uint8_t memoryId, uint32_t address,
                       uint8_t* buffer, uint32_t length, IMemoryProgress& progress);
