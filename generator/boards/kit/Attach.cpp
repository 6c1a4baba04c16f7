#include "Attach.h"

#include "core/DaughterBoard.h"
#include "model/DaughterCatalogue.h"
#include "platform/Assert.h"

namespace kit {

namespace {

bool TypeFits(CardKind kind, uint8_t type) {
    switch (kind) {
    case CardKind::Gpio:
        return type == CONNECTOR_GPIO40 || type == CONNECTOR_GPIO80;
    case CardKind::Hsmc:
        return type == CONNECTOR_HSMC;
    case CardKind::HsmcOrKappel:
        return type == CONNECTOR_HSMC || type == CONNECTOR_KAPPEL;
    case CardKind::FmcHpc:
    case CardKind::Fmc:
        return type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC;
    case CardKind::Moxen:
        return type == CONNECTOR_MOXEN_2x6;
    default:
        return true; // the memory modules are fixed cards: no type test
    }
}

bool IsModule(CardKind kind) {
    return kind == CardKind::Ddr2Sodimm || kind == CardKind::Ddr3Sodimm ||
           kind == CardKind::Ddr3SodimmLower || kind == CardKind::Ddr3SodimmSstl15 ||
           kind == CardKind::Ddr2SodimmNoDiffStrobes || kind == CardKind::Ddr2SodimmLvttl;
}

// Fills d with the step's card; false when the card has no table.
bool Fill(TDaughterBoard& d, const AttachStep& step, uint8_t boardId, const TCardRules& rules) {
    // Differential strobes; the side-band and address-select standards of the module.
    switch (step.kind) {
    case CardKind::Ddr2Sodimm:
        d.CreateDdr2Sodimm(1, IOSTD_1V8, IOSTD_1V8);
        return true;
    case CardKind::Ddr2SodimmNoDiffStrobes:
        d.CreateDdr2Sodimm(0, IOSTD_1V8, IOSTD_1V8);
        return true;
    case CardKind::Ddr2SodimmLvttl:
        d.CreateDdr2Sodimm(1, IOSTD_3V3_LVTTL, IOSTD_3V3_LVTTL);
        return true;
    case CardKind::Ddr3Sodimm:
        d.CreateDdr3Sodimm(1, IOSTD_1V5, IOSTD_1V5);
        return true;
    case CardKind::Ddr3SodimmLower:
        d.CreateDdr3SodimmLower(1, IOSTD_1V5, IOSTD_1V5);
        return true;
    case CardKind::Ddr3SodimmSstl15:
        d.CreateDdr3SodimmSstl15(1, IOSTD_1V5, IOSTD_1V5);
        return true;
    default:
        return d.TryCreateBoard(step.card, boardId, step.hsmcVariant, step.ioStandard, step.pinOverride,
                                rules);
    }
}

} // namespace

namespace {

struct AttachRule {
    AttachShape shape;
    CardKind kind;
    AttachLines lines;
};

// Type, master and copy checks per shape and kind. Where a routine has no fixed
// line (the Kappel and Moxen routines), the neighbouring routine's lines serve
// (listed in AssertionChoices.h).
// clang-format off
constexpr AttachRule kAttachRules[] = {
    {AttachShape::FormRoutine, CardKind::Hsmc, {"ConfigBase", 212, 216, 221}},
    {AttachShape::FormRoutine, CardKind::HsmcOrKappel, {"ConfigBase", 212, 216, 221}},
    {AttachShape::FormRoutine, CardKind::FmcHpc, {"ConfigBase", 231, 235, 240, nullptr, "Type == CONNECTOR_FMC_HPC || Type == CONNECTOR_FMC_LPC"}},
    {AttachShape::FormRoutine, CardKind::Gpio, {"ConfigBase", 268, 271, 277}},
    {AttachShape::FormRoutine, CardKind::Moxen, {"ConfigBase", 268, 271, 277}},
    {AttachShape::FormRoutine, CardKind::Ddr2Sodimm, {"ConfigBase", 0, 145, 152}},
    {AttachShape::FormRoutine, CardKind::Ddr3SodimmLower, {"ConfigBase", 0, 161, 168}},
    {AttachShape::FormRoutine, CardKind::Ddr3Sodimm, {"ConfigBase", 0, 195, 202}},
    {AttachShape::FormRoutine, CardKind::Ddr3SodimmSstl15, {"ConfigBase", 0, 195, 202}},
    {AttachShape::BoardModel, CardKind::Gpio, {"MainBoard", 1360, 1363, 1369}},
    {AttachShape::BoardModel, CardKind::Hsmc, {"MainBoard", 1341, 1345, 1350}},
    {AttachShape::BoardModel, CardKind::HsmcOrKappel, {"MainBoard", 1341, 1345, 1350}},
    {AttachShape::BoardModel, CardKind::FmcHpc, {"MainBoard", 1322, 1326, 1331}},
    {AttachShape::BoardModel, CardKind::Fmc, {"MainBoard", 1322, 1326, 1331}},
    {AttachShape::BoardModel, CardKind::Moxen, {"MainBoard", 1360, 1363, 1369}},
    {AttachShape::BoardModel, CardKind::Ddr3Sodimm, {"MainBoard", 0, 1305, 1312}},
    {AttachShape::BoardModel, CardKind::Ddr3SodimmSstl15, {"MainBoard", 0, 1394, 1401}},
    {AttachShape::OlderForm, CardKind::Gpio, {"ConfigBase", 268, 271, 277}},
    {AttachShape::OlderForm, CardKind::Hsmc, {"ConfigBase", 212, 216, 221}},
    {AttachShape::OlderForm, CardKind::HsmcOrKappel, {"ConfigBase", 250, 254, 259}},
    {AttachShape::OlderForm, CardKind::Ddr2Sodimm, {"ConfigBase", 0, 145, 152}},
    {AttachShape::GlavinForm, CardKind::Hsmc, {"UI_GLAVIN", 304, 308, 313, "pDaughter->UpdateMasterConnector(pMasterConn, Config.szHSMCPrefixName)"}},
    {AttachShape::OlderForm, CardKind::Ddr2SodimmNoDiffStrobes, {"ConfigBase", 0, 145, 152}},
    {AttachShape::OlderForm, CardKind::Ddr2SodimmLvttl, {"ConfigBase", 0, 145, 152}},
};
// clang-format on

} // namespace

AttachLines LinesOf(AttachShape shape, CardKind kind) {
    for (const AttachRule& rule : kAttachRules)
        if (rule.shape == shape && rule.kind == kind)
            return rule.lines;
    platform::AssertFailed("0", "ConfigBase", 0); // a kind this shape has no routine for
}

const char* TypeRuleOf(CardKind kind) {
    switch (kind) {
    case CardKind::Gpio:
        return "Type == CONNECTOR_GPIO40 || Type == CONNECTOR_GPIO80";
    case CardKind::Hsmc:
        return "Type == CONNECTOR_HSMC";
    case CardKind::HsmcOrKappel:
        return "Type == CONNECTOR_HSMC || Type == CONNECTOR_KAPPEL";
    case CardKind::FmcHpc:
        return "Type == CONNECTOR_FMC_HPC";
    case CardKind::Fmc:
        return "Type == CONNECTOR_FMC_HPC || Type == CONNECTOR_FMC_LPC";
    case CardKind::Moxen:
        return "Type == CONNECTOR_MOXEN_2x6";
    default:
        return "";
    }
}

bool RunAttach(TMainBoard& board, const AttachStep& step, AttachShape shape) {
    const AttachLines lines = LinesOf(shape, step.kind);
    if (!IsModule(step.kind)) {
        const uint8_t Type = BoardConnectorType(static_cast<int8_t>(step.card));
        PW_ASSERT(TypeFits(step.kind, Type),
                  lines.typeRule != nullptr ? lines.typeRule : TypeRuleOf(step.kind), lines.source,
                  lines.typeLine);
    }
    TConnector* pMasterConn = board.FindMasterConnector(step.masterId);
    PW_ASSERT(pMasterConn, "pMasterConn", lines.source, lines.masterLine);
    TDaughterBoard daughter;
    if (!Fill(daughter, step, static_cast<uint8_t>(board.GetBoardId()), board.m_CardRules))
        return false;
    PW_ASSERT(daughter.UpdateMasterConnector(pMasterConn, step.prefix.c_str()),
              lines.updateRule != nullptr ? lines.updateRule
                                          : "pDaughter->UpdateMasterConnector(pMasterConn, pPrefixName)",
              lines.source, lines.updateLine);
    return true;
}

bool CardHasPins(const AttachStep& step, uint8_t boardId, const TCardRules& rules) {
    if (IsModule(step.kind))
        return true;
    TDaughterBoard d;
    return Fill(d, step, boardId, rules);
}

std::size_t LongestCardPinName(const AttachStep& step, uint8_t boardId, const TCardRules& rules) {
    TDaughterBoard d;
    if (!Fill(d, step, boardId, rules))
        return 0;
    std::size_t longest = 0;
    for (int i = 0; i < d.PinCount(); ++i)
        if (const TPin* p = d.GetPin(i))
            longest = std::max(longest, p->GetName().size());
    return longest;
}

} // namespace kit
