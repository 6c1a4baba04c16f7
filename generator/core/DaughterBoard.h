#pragma once
// A daughter board in the board model: a connector filled from the card's pin table,
// alive only while its pins are copied onto a main board's master connector.

#include "CardRules.h"
#include "model/Connector.h"

#include <cstdint>

class TDaughterBoard : public TConnector {
public:
    TDaughterBoard();

    // Fills the pins of card BoardId as attached to main board MainBoardId, which gives
    // its card rules. A card without a pin table is a broken rule here: assertion.
    void CreateBoard(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                     const char* PinName, const TCardRules& Rules);
    // As CreateBoard, but a card without a pin table (such as "Kappel Default", which
    // some lists offer) gives false instead: a card the user can choose must never
    // end the program.
    bool TryCreateBoard(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                        const char* PinName, const TCardRules& Rules);

    void CreateDdr2Sodimm(uint8_t DiffStrobes, uint8_t SmbusIoStandard, uint8_t AddressIoStandard);
    void CreateDdr3SodimmLower(uint8_t DiffStrobes, uint8_t SmbusIoStandard, uint8_t AddressIoStandard);
    void CreateDdr3SodimmSstl15(uint8_t DiffStrobes, uint8_t SmbusIoStandard, uint8_t AddressIoStandard);
    void CreateDdr3Sodimm(uint8_t DiffStrobes, uint8_t SmbusIoStandard, uint8_t AddressIoStandard);
    // Copies the card's pins onto the master connector (prefix in front when not empty).
    bool UpdateMasterConnector(TConnector* pMasterConn, const char* pPrefixName);

private:
    bool FillPins(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                  const char* PinName, const TCardRules& Rules);
    void CopyPin(const TPin& daughter, TPin* master, const char* pPrefixName);
};
