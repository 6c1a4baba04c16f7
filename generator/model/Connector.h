#pragma once
// A named, ordered group of pin positions; an empty position holds no pin.

#include "ConnectorType.h"
#include "Pin.h"

#include <memory>
#include <string>
#include <vector>

class TConnector {
public:
    TConnector(const std::string& name, const std::string& caption, uint8_t type, int daughterId);
    ~TConnector();
    TConnector(const TConnector&) = delete;
    TConnector& operator=(const TConnector&) = delete;

    // Appends a position (nullptr: an empty one) and takes the pin; returns its 0-based index.
    int AddPin(TPin* pin);
    int PinCount() const { return static_cast<int>(pins_.size()); }
    int ActivePinCount() const;
    // Out of range: std::out_of_range, the list-index error callers catch.
    TPin* GetPin(int index) const;
    // The 1-based connector position of the pin now at index: where it was added, so
    // it stays the pin's own position after SortPins moved it.
    int GetPosition(int index) const;
    void ClearPins();

    std::string GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    std::string GetCaption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    uint8_t GetType() const { return type_; }
    void SetType(uint8_t type) { type_ = type; }
    int GetMaster() const { return master_; }
    void SetMaster(int master) { master_ = master; }
    int GetMasterId() const { return masterId_; }
    void SetMasterId(int id) { masterId_ = id; }
    uint8_t GetDaughterType() const { return daughterType_; }
    void SetDaughterType(uint8_t type) { daughterType_ = type; }
    int GetDaughterId() const { return daughterId_; }

    // Orders the pins by name; empty positions never move.
    void SortPins();

private:
    std::vector<std::unique_ptr<TPin>> pins_;
    std::vector<int> positions_; // beside pins_, moved with them by the sort
    std::string name_;
    std::string caption_;
    uint8_t type_;
    uint8_t daughterType_ = CONNECTOR_NONE;
    int master_ = 0;
    int masterId_ = 0;
    int daughterId_;
};
