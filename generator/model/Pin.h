#pragma once
// One FPGA pin of a board peripheral, or one position of an expansion connector or
// daughter board.

#include "IoStandard.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A text that is no integer where one must be ("X[a]" as a bus member).
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// StrToInt: a decimal integer or EConvertError.
int StrToInt(std::string_view text);

class TPin {
public:
    static constexpr std::size_t kTextField = 129; // 128 characters and the terminator

    TPin();
    // Board pin of a board pin table; a frequency above 0 makes it a clock.
    TPin(const char* name, const char* location, uint8_t direction, uint8_t ioStandard, float frequencyMHz);
    // Daughter pin of a card table. The tables' flag column is read by no writer, so the
    // pin does not keep it.
    TPin(const char* name, uint8_t direction, uint8_t ioStandard, int index, uint8_t flag);

    TPin(const TPin&) = default;
    TPin& operator=(const TPin&) = default;

    std::string GetName() const { return std::string(NameView()); }
    // The name without a copy, for the writers' per-pin loops; valid while the pin lives unchanged.
    std::string_view NameView() const { return {name_, nameLength_}; }
    void SetName(const std::string& name);
    std::string GetLocation() const { return std::string(LocationView()); }
    std::string_view LocationView() const { return {location_, locationLength_}; }
    void SetLocation(const std::string& location);
    uint8_t GetDirection() const { return direction_; }
    void SetDirection(uint8_t direction) { direction_ = direction; }
    uint8_t GetIoStandard() const { return ioStandard_; }
    void SetIoStandard(uint8_t standard) { ioStandard_ = standard; }
    int GetIndex() const { return index_; }
    void SetIndex(int index) { index_ = index; }
    int GetIsClock() const { return isClock_; }
    void SetIsClock(int isClock) { isClock_ = isClock; }
    int GetPeriod() const { return period_; }
    void SetPeriod(int period) { period_ = period; }
    std::string GetFrequencyText() const { return frequencyText_; }
    void SetFrequencyText(const std::string& text) { frequencyText_ = text; }
    std::string GetNote() const { return note_; }
    void SetNote(const std::string& note) { note_ = note; }

    bool IsActive() const { return direction_ != DIRECTION_NONE; }
    // "inout ", "input " or "output"; any other direction is a broken rule.
    std::string GetDirectionText() const;
    std::string GetIoStandardText() const { return IoStandardName(ioStandard_); }
    std::string GetIndexText() const;

private:
    char name_[kTextField] = {};
    char location_[kTextField] = {};
    std::size_t nameLength_ = 0; // of the text in name_, kept by SetName
    std::size_t locationLength_ = 0;
    uint8_t direction_ = DIRECTION_NONE;
    uint8_t ioStandard_ = IOSTD_3V3_LVTTL;
    int index_ = 0;
    int isClock_ = 0;
    int period_ = 0;
    std::string frequencyText_;
    std::string note_;
};

// A bus member holds an index in square brackets: "LEDR[3]".
bool IsBusName(const TPin& pin);
int BusIndex(const TPin& pin);
std::string BusBaseName(const TPin& pin);
