#include "BoardLogic.h"

#include "HeaderCoupling.h"
#include "NameRules.h"
#include "core/Pinwright.h"
#include "model/DaughterCatalogue.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "settings/ConfigBoard.h"
#include "settings/DaughterList.h"

#include <algorithm>

namespace kit {

int32_t CardList(const CardListSpec& list, DaughterIdList& ids) {
    int32_t count = BuildDaughterList(list.connectorType, list.transceivers, list.voltage, ids);
    for (uint8_t card : list.appended)
        if (count < static_cast<int32_t>(ids.size()))
            ids[static_cast<std::size_t>(count++)] = card;
    return count;
}

void BoardLogic::SetHead(SettingsRecord& r) const {
    r.SetU8(spec_.head.boardId, spec_.id);
    r.SetI32(spec_.head.size, static_cast<int32_t>(spec_.recordSize));
}

void BoardLogic::SetSavedHead(SettingsRecord& r) const {
    switch (spec_.headOnSave) {
    case HeadOnSave::IdAndSize:
        SetHead(r);
        break;
    case HeadOnSave::SizeOnly:
        r.SetI32(spec_.head.size, static_cast<int32_t>(spec_.recordSize));
        break;
    case HeadOnSave::Keep:
        break;
    }
}

void BoardLogic::SetDefaultConfig(SettingsRecord& r) const {
    r.Clear();
    SetHead(r);
    r.SetText(spec_.head.projectName, spec_.defaultName);
    for (const FlagBinding& f : spec_.flags)
        r.SetU8(f.offset, f.defaultValue);
    SetBoardDefaults(r);
}

std::string BoardLogic::ProjectName(const SettingsRecord& r) const {
    return r.Text(spec_.head.projectName);
}

uint8_t BoardLogic::CardId(const SettingsRecord& r, int connector) const {
    return r.U8(spec_.connectors[static_cast<std::size_t>(connector)].idOffset);
}

std::string BoardLogic::Prefix(const SettingsRecord& r, int connector) const {
    return r.Text(spec_.connectors[static_cast<std::size_t>(connector)].prefixOffset);
}

namespace {

void BringIntoRange(std::span<const ChoiceField> choices, const SettingsRecord& from, SettingsRecord& to) {
    for (const ChoiceField& f : choices) {
        const int32_t value = f.width == 1 ? from.U8(f.offset) : from.I32(f.offset);
        const int32_t shown = value >= 0 && value < f.count ? value : f.fallback;
        if (f.width == 1)
            to.SetU8(f.offset, static_cast<uint8_t>(shown));
        else
            to.SetI32(f.offset, shown);
    }
}

} // namespace

SettingsRecord BoardLogic::StartRecord() const {
    SettingsRecord r = NewRecord();
    SetDefaultConfig(r);
    PrepareStart(r);
    Pass(r, NewRecord()); // a new form's controls show nothing chosen
    return r;
}

void BoardLogic::ReadyToShow(SettingsRecord& r) const {
    FixLoaded(r);
    BringIntoRange(spec_.choices, r, r);
}

void BoardLogic::Normalise(SettingsRecord& r) const {
    Pass(r, StartRecord());
}

void BoardLogic::Pass(SettingsRecord& r, const SettingsRecord& before) const {
    ReadyToShow(r);
    SettingsRecord shown = before;
    Show(r, shown);
    AfterShow(r, before, shown);
    Store(shown, r);
}

void BoardLogic::Show(const SettingsRecord& r, SettingsRecord& shown) const {
    const std::size_t name = spec_.head.projectName;
    shown.SetText(name, platform::ReencodeUtf8(r.Text(name)));
    for (const FlagBinding& f : spec_.flags)
        shown.SetU8(f.offset, r.U8(f.offset) != 0 ? 1 : 0);
    ShowChoices(r, shown);
    for (int k = 0; k < static_cast<int>(spec_.connectors.size()); ++k) {
        const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(k)];
        if (c.combo == nullptr || !ShowsStoredCard(k, r, shown))
            continue;
        const int32_t stored = StoredCard(r, k);
        const bool found = Offers(ListOf(k, shown), stored);
        if (found)
            StoreCard(shown, k, static_cast<uint8_t>(stored));
        else if (spec_.prefixOnShow == PrefixOnShow::OnlyWhenFound)
            continue; // the prefix edit keeps its text too
        shown.SetText(c.prefixOffset,
                      StoredCard(shown, k) != 0 ? platform::ReencodeUtf8(r.Text(c.prefixOffset)) : "");
    }
    if (spec_.gpioPair != nullptr)
        CoupleShown(shown, spec_.gpioPair->header0);
}

void BoardLogic::Store(const SettingsRecord& shown, SettingsRecord& target) const {
    SetSavedHead(target);
    target.SetText(spec_.head.projectName, shown.Text(spec_.head.projectName));
    for (const FlagBinding& f : spec_.flags)
        target.SetU8(f.offset, shown.U8(f.offset) != 0 ? 1 : 0);
    for (int k = 0; k < static_cast<int>(spec_.connectors.size()); ++k) {
        const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(k)];
        if (c.combo == nullptr)
            continue;
        StoreCard(target, k, static_cast<uint8_t>(StoredCard(shown, k)));
        target.SetText(c.prefixOffset, shown.Text(c.prefixOffset));
    }
    StoreChoices(shown, target);
}

SettingsRecord BoardLogic::WorkingRecord(const SettingsRecord& shown) const {
    SettingsRecord w = spec_.generateFrom == kit::WorkingRecord::Zeroed ? NewRecord() : shown;
    Store(shown, w);
    SetHead(w);
    ApplyDefaultPrefixes(w);
    return w;
}

void BoardLogic::ShowChoices(const SettingsRecord& r, SettingsRecord& shown) const {
    BringIntoRange(spec_.choices, r, shown);
}

void BoardLogic::StoreChoices(const SettingsRecord& shown, SettingsRecord& target) const {
    for (const ChoiceField& f : spec_.choices) {
        if (f.width == 1)
            target.SetU8(f.offset, shown.U8(f.offset));
        else
            target.SetI32(f.offset, shown.I32(f.offset));
    }
}

void BoardLogic::CoupleShown(SettingsRecord& shown, int from) const {
    const GpioPair& pair = *spec_.gpioPair;
    const int other = from == pair.header0 ? pair.header1 : pair.header0;
    const ConnectorBinding& mine = spec_.connectors[static_cast<std::size_t>(from)];
    const ConnectorBinding& theirs = spec_.connectors[static_cast<std::size_t>(other)];
    switch (CoupleHeaders(shown.U8(mine.idOffset), shown.U8(theirs.idOffset))) {
    case Coupling::Follow:
        shown.SetU8(theirs.idOffset, shown.U8(mine.idOffset));
        shown.SetText(theirs.prefixOffset, shown.Text(mine.prefixOffset));
        break;
    case Coupling::FreeAndClear:
        shown.SetU8(theirs.idOffset, 0);
        shown.SetText(theirs.prefixOffset, "");
        break;
    case Coupling::Free:
        break;
    }
}

bool BoardLogic::Offers(int list, int32_t card) const {
    if (list < 0 || static_cast<std::size_t>(list) >= spec_.lists.size() || card < 0 || card > 0xFF)
        return false;
    DaughterIdList ids{};
    const auto end = ids.begin() + CardList(spec_.lists[static_cast<std::size_t>(list)], ids);
    return std::find(ids.begin(), end, static_cast<uint8_t>(card)) != end;
}

int32_t BoardLogic::StoredCard(const SettingsRecord& r, int connector) const {
    const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(connector)];
    return c.idBytes == 4 ? r.I32(c.idOffset) : r.U8(c.idOffset);
}

void BoardLogic::StoreCard(SettingsRecord& r, int connector, uint8_t card) const {
    const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(connector)];
    if (c.idBytes == 4)
        r.SetI32(c.idOffset, card);
    else
        r.SetU8(c.idOffset, card);
}

int BoardLogic::ListOf(int connector, const SettingsRecord& /*r*/) const {
    return spec_.connectors[static_cast<std::size_t>(connector)].list;
}

AttachStep BoardLogic::StepOf(int connector, const SettingsRecord& r) const {
    const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(connector)];
    return {c.kind,        r.U8(c.idOffset), c.masterId,   r.Text(c.prefixOffset),
            c.pinOverride, c.ioStandard,     c.hsmcVariant};
}

namespace {

bool IsGpioDefaultPair(const BoardLogic& logic, const SettingsRecord& r, const GpioPair& pair) {
    return pair.defaultPair == DefaultPairRule::HeaderNames &&
           logic.CardId(r, pair.header0) == DAUGHTER_GPIO_DEFAULT &&
           logic.CardId(r, pair.header1) == DAUGHTER_GPIO_DEFAULT && logic.Prefix(r, pair.header0).empty() &&
           logic.Prefix(r, pair.header1).empty();
}

// The first broken rule's message, or "".
std::string CheckPrefixRules(const BoardLogic& logic, const SettingsRecord& r,
                             std::span<const PrefixRule> rules) {
    for (const PrefixRule& rule : rules) {
        std::vector<uint8_t> ids;
        std::vector<std::string> prefixes;
        for (int connector : rule.connectors) {
            ids.push_back(logic.CardId(r, connector));
            prefixes.push_back(logic.Prefix(r, connector));
        }
        const int count = static_cast<int>(ids.size());
        std::string message;
        const bool ok =
            rule.kind == PrefixRuleKind::Gpio   ? CheckGpioPrefix(count, ids.data(), prefixes.data(), message)
            : rule.kind == PrefixRuleKind::Hsmc ? CheckHsmcPrefix(count, ids.data(), prefixes.data(), message)
                                                : CheckFmcPrefix(count, ids.data(), prefixes.data(), message);
        if (!ok)
            return message;
    }
    return std::string();
}

} // namespace

std::string BoardLogic::CheckPrefixes(const SettingsRecord& r) const {
    if (!spec_.prefixRules.empty())
        return CheckPrefixRules(*this, r, spec_.prefixRules);
    const GpioPair* pair = spec_.gpioPair;
    if (pair == nullptr || IsGpioDefaultPair(*this, r, *pair))
        return std::string();
    const uint8_t ids[] = {CardId(r, pair->header0), CardId(r, pair->header1)};
    const std::string prefixes[] = {Prefix(r, pair->header0), Prefix(r, pair->header1)};
    std::string message;
    CheckGpioPrefix(2, ids, prefixes, message);
    return message;
}

std::string BoardLogic::NoPinsMessage(const AttachStep& step) const {
    const std::string card = BoardName(static_cast<int8_t>(step.card));
    for (const ConnectorBinding& c : spec_.connectors)
        if (c.masterId == step.masterId && c.title != nullptr)
            return platform::Format(
                "%s: the daughter board \"%s\" has no pin assignments and cannot be generated.", c.title,
                card.c_str());
    return platform::Format("The daughter board \"%s\" has no pin assignments and cannot be generated.",
                            card.c_str());
}

std::string BoardLogic::Validate(const SettingsRecord& r) const {
    if (spec_.prefixRulesFirst) {
        std::string clash = CheckPrefixes(r);
        if (!clash.empty())
            return clash;
    }
    std::string message = CheckProjectName(ProjectName(r));
    if (!message.empty()) {
        const std::string over = PrefixRulesOverName(r);
        return over.empty() ? message : over;
    }
    const std::vector<AttachStep> steps = AttachPlan(r);
    for (const AttachStep& step : steps) {
        if (!CardHasPins(step, spec_.id, spec_.cardRules))
            return NoPinsMessage(step);
        if (step.pinOverride != nullptr && step.pinOverride[0] != '\0')
            continue; // the card takes the header's name, no prefix
        message = CheckPrefixName(step.prefix, LongestCardPinName(step, spec_.id, spec_.cardRules),
                                  BoardName(static_cast<int8_t>(step.card)));
        if (!message.empty())
            return message;
    }
    return CheckPrefixes(r);
}

std::vector<AttachStep> BoardLogic::AttachPlan(const SettingsRecord& r) const {
    std::vector<AttachStep> steps;
    const GpioPair* pair = spec_.gpioPair;
    for (int i = 0; i < static_cast<int>(spec_.connectors.size()); ++i) {
        if (pair != nullptr && i == pair->header1)
            continue; // with header 0
        if (pair != nullptr && i == pair->header0) {
            const uint8_t id0 = CardId(r, pair->header0);
            const uint8_t id1 = CardId(r, pair->header1);
            if (id0 == id1 && SpansBothHeaders(id0)) {
                AttachStep both = StepOf(pair->header0, r);
                both.masterId = pair->bothMasterId;
                steps.push_back(both);
            } else if (IsGpioDefaultPair(*this, r, *pair)) {
                AttachStep s0 = StepOf(pair->header0, r);
                AttachStep s1 = StepOf(pair->header1, r);
                s0.pinOverride = "GPIO_0";
                s1.pinOverride = "GPIO_1";
                steps.push_back(s0);
                steps.push_back(s1);
            } else {
                for (int h : {pair->header0, pair->header1})
                    if (static_cast<int8_t>(CardId(r, h)) > 0)
                        steps.push_back(StepOf(h, r));
            }
            continue;
        }
        // Card ids compare as signed bytes: only 1 to 127 are cards.
        if (static_cast<int8_t>(CardId(r, i)) > 0)
            steps.push_back(StepOf(i, r));
    }
    for (const ModuleBinding& m : spec_.modules)
        if (r.U8(m.flagOffset) != 0)
            steps.push_back({m.kind, 0, m.masterId, m.prefix});
    return steps;
}

std::vector<Notice> BoardLogic::AfterGenerate(const SettingsRecord& r, const std::string& folder) const {
    std::vector<Notice> notices;
    if (spec_.successBox)
        notices.push_back(SuccessNotice(folder));
    for (const FlagNote& note : spec_.notes)
        if (r.U8(note.flag) != 0)
            notices.push_back({note.text, "Information", static_cast<int>(platform::Icon::Information)});
    return notices;
}

Notice SuccessNotice(const std::string& folder) {
    return {platform::Format("Generate Quartus Project successfully.\r\nThe project is located in the "
                             "folder:\r\n%s",
                             folder.c_str()),
            "Information", static_cast<int>(platform::Icon::Information)};
}

std::vector<Notice> NoteThenSuccess(const std::string& note, const std::string& folder) {
    std::vector<Notice> notices;
    if (!note.empty())
        notices.push_back({note, "Information", static_cast<int>(platform::Icon::Information)});
    notices.push_back(SuccessNotice(folder));
    return notices;
}

bool BuildBoard(const BoardLogic& logic, const SettingsRecord& r, TMainBoard& board,
                std::unique_ptr<TConfigBoard>& settings) {
    settings = logic.MakeSettings(r);
    board.m_CardRules = logic.Spec().cardRules;
    logic.FillBoard(board, r, settings.get());
    const std::vector<AttachStep> plan = logic.AttachPlan(r);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (!RunAttach(board, plan[i], logic.Spec().attachShape))
            return false;
        logic.AfterAttach(board, plan, i);
    }
    return true;
}

bool GenerateProject(const BoardLogic& logic, const SettingsRecord& r, const std::string& qpfPath) {
    auto board = std::make_unique<TMainBoard>();
    std::unique_ptr<TConfigBoard> settings;
    if (!BuildBoard(logic, r, *board, settings))
        return false;
    TPinwright writer;
    return writer.Generate(board.get(), qpfPath);
}

void ShowNotices(const std::vector<Notice>& notices) {
    for (const Notice& n : notices)
        platform::ShowMessage(n.text, n.caption, static_cast<platform::Icon>(n.icon));
}

bool GenerateAndReport(const BoardLogic& logic, const SettingsRecord& r, const std::string& qpfPath) {
    if (GenerateProject(logic, r, qpfPath)) {
        ShowNotices(logic.AfterGenerate(r, platform::ExtractFilePath(qpfPath)));
        return true;
    }
    platform::ShowMessage(platform::Format("Failed to generate Quartus project: %s.",
                                           platform::ExtractFileName(qpfPath).c_str()),
                          "Error", platform::Icon::Error);
    return false;
}

bool GenerateRecord(const BoardLogic& logic, const SettingsRecord& shown, const std::string& qpfPath) {
    const SettingsRecord r = logic.WorkingRecord(shown);
    const std::string message = logic.Validate(r);
    if (!message.empty()) {
        platform::ShowMessage(message, "Error", platform::Icon::Error);
        return false;
    }
    if (!logic.ConfirmSettings(r) || !logic.ConfirmGenerate(r))
        return false;
    return GenerateAndReport(logic, r, qpfPath);
}

} // namespace kit
