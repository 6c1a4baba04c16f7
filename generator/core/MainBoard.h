#pragma once
// The description of one main board for one Generate: device, connectors with their
// pins, board id, and what the board-specific project text needs of the settings.

#include "boards/latest/ulmaro/ULMARO_CONFIG.h"
#include "boards/latest/vardis/VARDIS_CONFIG.h"
#include "boards/latest/yarrin/YARRIN_CONFIG.h"
#include "boards/second/harlin/HARLIN_CONFIG.h"
#include "boards/second/lomar/LOMAR_CONFIG.h"
#include "boards/second/norrik/NORRIK_CONFIG.h"
#include "boards/second/ostrel/OSTREL_CONFIG.h"
#include "boards/second/pallex/PALLEX_CONFIG.h"
#include "boards/second/rasmel/RASMEL_CONFIG.h"
#include "model/Connector.h"
#include "model/MainBoardId.h"

#include <memory>
#include <string>
#include <vector>

class TConfigBoard;

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

    // Board-specific project text.
    std::string GetQsfGlobalAssignments() const;
    std::string GetStructuralCode() const;
    std::string GetQsfAssignmentsNorrik() const;
    std::string GetStructuralCodeNorrik() const;
    // The external-PLL controllers of boards 8 and 12 and the oscillators of boards
    // 15, 16 and 18, from the board's record copy; each asserts its board id.
    std::string GetStructuralCodeHarlin() const;
    std::string GetStructuralCodeLomar() const;
    std::string GetStructuralCodeOstrel() const;
    std::string GetStructuralCodePallex() const;
    std::string GetStructuralCodeRasmel() const;
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
    HARLIN_CONFIG m_HarlinConfig;
    LOMAR_CONFIG m_LomarConfig;
    TConfigBoard* m_pConfigBoard = nullptr; // not owned: it belongs to the form
    RASMEL_CONFIG m_RasmelConfig;
    PALLEX_CONFIG m_PallexConfig;
    OSTREL_CONFIG m_OstrelConfig;
    NORRIK_CONFIG m_NorrikConfig;
    ULMARO_CONFIG m_UlmaroConfig;
    VARDIS_CONFIG m_VardisConfig;
    YARRIN_CONFIG m_YarrinConfig;

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
