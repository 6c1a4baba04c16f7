#pragma once
// The simulated board's state kept in a folder (BOARDSIM_STATE), shared between the
// stand-in programmer and the simulated library, one small text file per item:
//   configured   "0": the FPGA holds no control design and the board does not answer
//                (until the stand-in programmer loads Lumastat.sof and writes "1");
//                missing: configured
//   keys         key word, hexadecimal (default 3: both keys released)
//   switches     switch word, hexadecimal (default 0)
//   gsensor      three signed raw accelerometer counts "x y z" (default "0 0 256": lying flat)
// Without a folder the board is configured and its inputs keep their defaults.

#include <cstdint>
#include <string>
#include <utility>

class SimState {
public:
    explicit SimState(std::string folder = std::string()) : folder_(std::move(folder)) {}

    bool Configured() const;
    uint32_t Keys() const;
    uint32_t Switches() const;
    void GSensor(int16_t& x, int16_t& y, int16_t& z) const;

private:
    // The file's text, or empty when there is no folder or no file.
    std::string Read(const char* name) const;

    std::string folder_;
};
