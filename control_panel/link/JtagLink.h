#pragma once
// The control panel's connection to the board: the cable policy on top of the library
// binding, and the framing of the command protocol (one request frame, one reply frame).

#include "JtagAtlantic.h"

#include <cstddef>
#include <cstdint>

class CJtagLink : public CJtagAtlantic {
public:
    CJtagLink() = default;
    ~CJtagLink();

    // True when a connection over a USB-Blaster cable is open. Another cable leaves its
    // connection open for the caller to close.
    bool Open();
    bool Close();
    bool IsOpen() const;

    // One exchange: on success the reply payload (exactly replyLength bytes, status first)
    // is in reply. Beeps on a short write and on an incomplete or corrupt reply body.
    bool Transact(uint8_t command, uint8_t* reply, uint16_t replyLength, const uint8_t* payload,
                  uint16_t payloadLength, uint32_t timeoutMs);
    // Throws away whatever the board sent that nobody read.
    void Drain();
    bool ReadExact(uint8_t* buffer, uint32_t n, uint32_t timeoutMs);
    static uint8_t Checksum(const uint8_t* bytes, std::size_t n);
    static bool VerifyFrame(const uint8_t* frame, std::size_t length);
};
