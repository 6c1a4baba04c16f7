#pragma once
// The description of one main board for one Generate: device, connectors with their
// pins, board id, the board's own project text and the rules its cards follow.

#include "BoardText.h"
#include "CardRules.h"
#include "model/Connector.h"
#include "model/MainBoardId.h"

#include <memory>
#include <string>
#include <vector>

class TMainBoard {
public:
    TMainBoard() = default;
    ~TMainBoard() = default;
    TMainBoard(const TMainBoard&) = delete;
    TMainBoard& operator=(const TMainBoard&) = delete;

    int AddConnector(TConnector* connector);
    void ClearConnectors() { m_Connectors.clear(); }
    int GetConnectorCount() const { return static_cast<int>(m_Connectors.size()); }
    TConnector* GetConnector(int index) const {
        return m_Connectors.at(static_cast<std::size_t>(index)).get();
    }

    std::string GetFamily() const { return m_Family; }
    std::string GetDevice() const { return m_Device; }
    std::string GetDevicePackage() const { return m_Package; }
    std::string GetSpeedGradeText() const { return m_SpeedGradeText; }
    int GetDevicePinCount() const { return m_PinCount; }
    int GetSpeedGrade() const { return m_SpeedGrade; }
    int GetBoardId() const { return m_BoardId; }
    uint8_t GetBoardIdAsByte() const { return m_BoardId; }

    TConnector* FindMasterConnector(int masterId) const;
    bool IsLocationUsed(const std::string& location) const;
    std::string GetDisplayName() const;
    void SortAllConnectors();

    // Attach a card to a master connector. False when the card has no pin table in
    // this build (the form then reports the failed Generate); a card that does not
    // fit the connector or a missing master connector is a broken rule.
    bool AttachGpioDaughter(int masterId, uint8_t daughterId, const char* prefix, const char* pinName,
                            uint8_t ioStandard);
    bool AttachHsmcDaughter(int masterId, uint8_t daughterId, const char* prefix);
    bool AttachFmcDaughter(int masterId, uint8_t daughterId, const char* prefix);
    bool AttachDdr3Sodimm(int masterId, const char* prefix, uint8_t DiffStrobes, uint8_t SmbusIoStandard,
                          uint8_t AddressIoStandard);
    bool AttachDdr3SodimmSstl15(int masterId, const char* prefix, uint8_t DiffStrobes,
                                uint8_t SmbusIoStandard, uint8_t AddressIoStandard);

    // Board-specific project text, from the board's text object.
    std::string GetQsfGlobalAssignments() const;
    std::string GetStructuralCode() const;
    void SetBoardText(std::unique_ptr<TBoardText> text) { m_pBoardText = std::move(text); }
    // nullptr: the board adds no text of its own.
    const TBoardText* GetBoardText() const { return m_pBoardText.get(); }
    // The pin at 1-based PinIndex of the n-th (0-based) HSMC connector, or nullptr.
    TPin* GetHsmcPinName(int n, int PinIndex) const;
    // The port lines of the top-level module.
    std::string GetPortList() const;

    std::vector<std::unique_ptr<TConnector>> m_Connectors;
    int m_PinCount = 0;
    int m_SpeedGrade = 0;
    std::string m_Family;
    std::string m_Device;
    std::string m_Package;
    std::string m_SpeedGradeText;
    uint8_t m_BoardId = 0;
    TCardRules m_CardRules;
    std::unique_ptr<TBoardText> m_pBoardText;

private:
    bool Attach(int masterId, uint8_t daughterId, const char* prefix, const char* pinName, uint8_t ioStandard,
                int masterLine, int updateLine);
};

// Two connectors of one kind may not carry the same card under the same prefix.
bool CheckGpioPrefix(int count, const uint8_t* daughterIds, const std::string* prefixes,
                     std::string& message);
bool CheckHsmcPrefix(int count, const uint8_t* daughterIds, const std::string* prefixes,
                     std::string& message);
bool CheckFmcPrefix(int count, const uint8_t* daughterIds, const std::string* prefixes, std::string& message);
