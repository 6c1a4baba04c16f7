#pragma once
// The simulated control design: takes request frames from the JTAG-UART byte stream and
// answers each with one reply frame, as the board's design does. Ten LEDs, six
// 7-segment digits, two keys and ten switches, 64 MB of SDRAM, a VGA pattern and an
// accelerometer.

#include "SimFaults.h"
#include "SimState.h"
#include "SparseMemory.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class SimBoard {
public:
    SimBoard() = default;
    ~SimBoard();
    SimBoard(const SimBoard&) = delete;
    SimBoard& operator=(const SimBoard&) = delete;

    // A new connection with its faults, the state folder, a request log ("" for none)
    // and the name the board reports.
    void Connect(const SimFaults& faults, const std::string& stateFolder, const std::string& logPath,
                 const std::string& name);
    void Disconnect();

    // The JTAG-UART's side of the library: bytes accepted, bytes handed over.
    int Write(const uint8_t* data, uint32_t n);
    int Read(uint8_t* out, uint32_t max);
    int Pending() const { return static_cast<int>(out_.size() - outPos_); }

private:
    void TakeFrames();
    void Handle(uint8_t code, const uint8_t* payload, uint32_t n);
    // Room for a reply's payload in the output; finished by FinishReply.
    uint8_t* BeginReply(uint8_t code, uint32_t n);
    void FinishReply();
    void ReplyStatus(uint8_t code, uint8_t status);
    void Log(const uint8_t* frame, uint32_t n);

    SparseMemory memory_;
    SimFaults faults_;
    SimState state_;
    std::FILE* log_ = nullptr;
    std::string name_;
    bool configured_ = true;
    uint32_t leds_ = 0;
    uint32_t seg7_ = 0;
    uint8_t vgaPattern_ = 0;

    std::vector<uint8_t> in_;
    std::size_t inPos_ = 0;
    std::vector<uint8_t> out_;
    std::size_t outPos_ = 0;
    std::size_t replyStart_ = 0;
    uint32_t delayLeft_ = 0;
};
