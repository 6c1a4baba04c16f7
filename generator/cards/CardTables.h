#pragma once
// The daughter boards' pin tables. Each appends exactly one slot per position of the
// card's connector, in position order (40 for a 2x20 GPIO header, 80 for both headers,
// 160 HSMC, 180 Kappel, 200 DDR2, 204 DDR3, 400 FMC, 8 Moxen); a null slot is a
// position without a pin. None clears the connector or names it: the factory does.

#include "model/Connector.h"

#include <cstdint>
#include <string>

// 2x20 GPIO header cards
void FillCardGpioDefaultPins(TConnector* conn, uint8_t namingStyle, uint8_t ioStandard);
void FillCardGpioNamedPins(TConnector* conn, const char* baseName, uint8_t ioStandard);
void FillCardGpioDefaultJorrelPins(TConnector* conn);
void FillCardKamrelPins(TConnector* conn, uint8_t ioStandard);
void FillCardSpindoPins(TConnector* conn, uint8_t ioStandard);
void FillCardNimbrekFifoPins(TConnector* conn, uint8_t ioStandard);
void FillCardNimbrekNativePins(TConnector* conn, uint8_t ioStandard);
void FillCardWexlinPins(TConnector* conn, uint8_t ioStandard);
void FillCardMordlePins(TConnector* conn);
void FillCardDrovikPins(TConnector* conn, uint8_t ioStandard);
void FillCardDrovik2Pins(TConnector* conn, uint8_t ioStandard);
void FillCardPemrithPins(TConnector* conn);
void FillCardTrelbyPins(TConnector* conn);
void FillCardNalvorPins(TConnector* conn);
void FillCardEbbranPins(TConnector* conn);
void FillCardArduinoDigitalPins(TConnector* conn);
void FillCardFiskelGpioPins(TConnector* conn, uint8_t ioStandard);

// Both GPIO headers used as one
void FillCardTurvinGpioPins(TConnector* conn, uint8_t ioStandard);

// HSMC cards
void FillCardHsmcDefaultPins(TConnector* conn, uint8_t mainBoardId, int hsmcVariant, uint8_t xcvrStandard,
                             uint8_t ioStandard, bool withTransceivers, bool upperCaseNames);
void FillCardHsmcLvdsDefaultPins(TConnector* conn, bool transceiverRows, uint8_t xcvrStandard,
                                 uint8_t lvdsStandard, uint8_t singleEndedStandard);
void FillCardDviPins(TConnector* conn, uint8_t ioStandard);
void FillCardNetPins(TConnector* conn, uint8_t ioStandard);
void FillCardPellumPins(TConnector* conn, uint8_t ioStandard);
void FillCardTurvinHsmcPins(TConnector* conn, uint8_t ioStandard);
void FillCardGorvayPins(TConnector* conn, uint8_t ioStandard);
void FillCardBrisselHsmcPins(TConnector* conn, uint8_t ioStandard, uint8_t mainBoardId);
void FillCardHsmcDebugPins(TConnector* conn, int mainBoardId);
void FillCardHsmcLoopbackPins(TConnector* conn, bool withTransceivers, uint8_t xcvrStandard);
void FillCardSfpPins(TConnector* conn, uint8_t xcvrStandard);
void FillCardSdiPins(TConnector* conn, uint8_t xcvrStandard);
void FillCardSataPins(TConnector* conn, uint8_t xcvrStandard, uint8_t ioStandard);
void FillCardFaldonPins(TConnector* conn, uint8_t xcvrStandard);
void FillCardRuvexPins(TConnector* conn, uint8_t ioStandard);
void FillCardPlindorPins(TConnector* conn, uint8_t ioStandard);
void FillCardHovrinPins(TConnector* conn);
void FillCardHdmiTxPins(TConnector* conn, uint8_t ioStandard);
void FillCardHdmiRxPins(TConnector* conn, uint8_t ioStandard);
void FillCardCameraLinkPins(TConnector* conn);
void FillCardZimborPins(TConnector* conn);
void FillCardHovrin2Pins(TConnector* conn);
void FillCardLvdsCrossoverPins(TConnector* conn, uint8_t ioStandard);
void FillCardBrisselKamrelPins(TConnector* conn, bool headerJ2, bool headerJ3, uint8_t ioStandard,
                               uint8_t mainBoardId);
void FillCardSarvonPins(TConnector* conn);
void FillCardSarvon2Pins(TConnector* conn, uint8_t ioStandard);

// Kappel cards
void FillCardKappelHdmiPins(TConnector* conn);
void FillCardBrisselKappelPins(TConnector* conn);
void FillCardKappelLoopbackPins(TConnector* conn);

// Moxen 2x6 header cards
void FillCardMoxenDefaultPins(TConnector* conn);
void FillCardJossenPins(TConnector* conn);

// FMC cards
void FillCardFmcHpcVitaPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard, bool rowKFilter);
void FillCardFmcLpcVitaPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard);
void FillCardFmcHpcAlteraPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard, bool rowKFilter);
void FillCardFmcHpcAlteraVeltraxPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard,
                                     bool rowKFilter);
void FillCardFmcLpcAlteraPins(TConnector* conn, bool withTransceivers, uint8_t ioStandard, bool rowKFilter);
void FillCardFaldonFmcPins(TConnector* conn);
void FillCardSdiFmcPins(TConnector* conn);
void FillCardHdmiFmcPins(TConnector* conn);
void FillCardJesdFmcPins(TConnector* conn);
void FillCardJesdAdc34j45Pins(TConnector* conn, bool remapFirst);
void FillCardNetFmcPins(TConnector* conn);
void FillCardFiskelFmcPins(TConnector* conn);

// Memory modules
void FillCardDdr2SodimmPins(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard,
                            uint8_t addressIoStandard);
void FillCardDdr3SodimmPins(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard,
                            uint8_t addressIoStandard);
void FillCardDdr3SodimmLowerCasePins(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard,
                                     uint8_t addressIoStandard);
void FillCardDdr3SodimmSstl15Pins(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard,
                                  uint8_t addressIoStandard);

// The 2x46 header of one board: one row of a pin-out; false for an unknown kind.
bool GetBbbPinOut(uint8_t kind, uint8_t header, int pinIndex, int& ioStandard, int& direction,
                  std::string& name);
