#include "BoardLogic.h"

#include "HeaderCoupling.h"
#include "NameRules.h"
#include "model/DaughterBitmaps.h"
#include "model/DaughterCatalogue.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <algorithm>

namespace kit {

int32_t CardList(const CardListSpec& list, DaughterIdList& ids) {
    int32_t count = BuildDaughterList(list.connectorType, list.transceivers, list.voltage, ids);
    for (uint8_t card : list.appended)
        if (count < static_cast<int32_t>(ids.size()))
            ids[static_cast<std::size_t>(count++)] = card;
    return count;
}

BoardLogic::BoardLogic(const BoardSpec& spec) : spec_(spec) {
    for (const CardListSpec& list : spec_.lists) {
        DaughterIdList ids{};
        const int32_t count = CardList(list, ids);
        cards_.emplace_back(ids.begin(), ids.begin() + count);
    }
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

// The clock chips' lists show r's choices while their chip's box is ticked, else their first item.
void ShowChipLists(std::span<const ChipLists> chips, const SettingsRecord& r, SettingsRecord& shown) {
    for (const ChipLists& chip : chips) {
        const bool used = shown.U8(chip.box) != 0;
        for (std::size_t i = chip.first; i < chip.first + chip.count; ++i)
            shown.SetU8(i, used ? r.U8(i) : 0);
    }
}

} // namespace

// ---- What the form shows ----

FormView BoardLogic::NewView() const {
    FormView view;
    view.record = NewRecord();
    for (const ConnectorBinding& c : spec_.connectors)
        view.lists.push_back(c.list);
    view.locked.assign(spec_.connectors.size(), 0);
    SetUpView(view);
    return view;
}

void BoardLogic::Start(FormView& view, SettingsRecord& stored, const SettingsRecord* start) const {
    if (stored.size() != spec_.recordSize)
        stored = NewRecord();
    if (start != nullptr && start->size() == spec_.recordSize) {
        stored = *start;
        ReadyToShow(stored);
    } else {
        SetDefaultConfig(stored);
    }
    PrepareStart(stored);
    Show(view, stored);
    AfterLoad(view, stored);
}

void BoardLogic::Load(FormView& view, SettingsRecord& stored) const {
    ReadyToShow(stored);
    Show(view, stored);
    AfterLoad(view, stored);
}

void BoardLogic::Defaults(FormView& view, SettingsRecord& stored) const {
    SetDefaultConfig(stored);
    Show(view, stored);
}

void BoardLogic::Show(FormView& view, const SettingsRecord& r) const {
    const std::size_t name = spec_.head.projectName;
    view.record.SetText(name, platform::ReencodeUtf8(r.Text(name)));
    for (std::size_t i = 0; i < spec_.flags.size(); ++i) {
        const FlagBinding& f = spec_.flags[i];
        const bool ticked = r.U8(f.offset) != 0;
        const bool changed = (view.record.U8(f.offset) != 0) != ticked;
        view.record.SetU8(f.offset, ticked ? 1 : 0);
        // Boards whose box handlers also run when a record sets a box ask for it here.
        if (changed && spec_.boxClickOnLoad) {
            Redraw(view);
            BoxClicked(view, r, static_cast<int>(i));
        }
    }
    ShowChoices(r, view);
    DrawChoices(view);
    for (int k = 0; k < static_cast<int>(spec_.connectors.size()); ++k) {
        const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(k)];
        if (c.combo == nullptr || !ShowsStoredCard(k, r, view))
            continue;
        const int32_t stored = StoredCard(r, k);
        if (Offers(view.lists[static_cast<std::size_t>(k)], stored))
            StoreCard(view.record, k, static_cast<uint8_t>(stored));
        else if (spec_.prefixOnShow == PrefixOnShow::OnlyWhenFound)
            continue; // the prefix edit keeps its text too
        view.record.SetText(c.prefixOffset, StoredCard(view.record, k) != 0
                                                ? platform::ReencodeUtf8(r.Text(c.prefixOffset))
                                                : std::string());
    }
    // A record shown is coupled from the first header as the user's choice there would
    // couple it; some boards leave which header is locked as it was.
    if (spec_.gpioPair != nullptr)
        Couple(view, spec_.gpioPair->header0, spec_.gpioPair->lockOnShow);
    DrawPictures(view);
    Redraw(view);
}

void BoardLogic::Store(const FormView& view, SettingsRecord& target) const {
    SetSavedHead(target);
    target.SetText(spec_.head.projectName, view.record.Text(spec_.head.projectName));
    for (const FlagBinding& f : spec_.flags)
        target.SetU8(f.offset, view.record.U8(f.offset) != 0 ? 1 : 0);
    for (int k = 0; k < static_cast<int>(spec_.connectors.size()); ++k) {
        const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(k)];
        if (c.combo == nullptr)
            continue;
        StoreCard(target, k, static_cast<uint8_t>(StoredCard(view.record, k)));
        target.SetText(c.prefixOffset, view.record.Text(c.prefixOffset));
    }
    for (const TextBinding& t : spec_.texts)
        target.SetText(t.offset, view.record.Text(t.offset));
    StoreChoices(view, target);
}

void BoardLogic::ClickBox(FormView& view, const SettingsRecord& stored, int flag, bool ticked) const {
    view.record.SetU8(spec_.flags[static_cast<std::size_t>(flag)].offset, ticked ? 1 : 0);
    Redraw(view);
    // Every click shows the clock chips' lists of the settings record again.
    ShowChipLists(spec_.chipLists, stored, view.record);
    BoxClicked(view, stored, flag);
}

void BoardLogic::ChooseCard(FormView& view, int connector, int index) const {
    StoreCard(view.record, connector, CardAt(view, connector, index));
    const GpioPair* pair = spec_.gpioPair;
    if (pair != nullptr && (connector == pair->header0 || connector == pair->header1))
        Couple(view, connector, true);
    CardChanged(view, connector);
    DrawPictures(view);
    Redraw(view);
}

void BoardLogic::ChooseItem(FormView& view, SettingsRecord& stored, std::size_t offset, int index) const {
    SetChoice(view, offset, index);
    ItemChosen(view, stored, offset);
}

uint8_t BoardLogic::ChoiceWidth(std::size_t offset) const {
    for (const ChoiceField& f : spec_.choices)
        if (f.offset == offset)
            return f.width;
    return 1;
}

int32_t BoardLogic::Choice(const FormView& view, std::size_t offset) const {
    return ChoiceIn(view.record, offset);
}

int32_t BoardLogic::ChoiceIn(const SettingsRecord& r, std::size_t offset) const {
    return ChoiceWidth(offset) == 1 ? r.U8(offset) : r.I32(offset);
}

void BoardLogic::SetChoice(FormView& view, std::size_t offset, int index) const {
    if (ChoiceWidth(offset) == 1)
        view.record.SetU8(offset, static_cast<uint8_t>(index));
    else
        view.record.SetI32(offset, index);
}

bool BoardLogic::ChoiceEnabled(const FormView& view, std::size_t offset) const {
    for (const ChipLists& chip : spec_.chipLists)
        if (offset >= chip.first && offset < chip.first + chip.count)
            return view.record.U8(chip.box) != 0;
    for (const GatedList& g : GatedLists())
        if (g.choice == offset)
            return Serves(view.record, offset);
    return true;
}

void BoardLogic::ChoosePart(FormView& view, SettingsRecord& stored, int part) const {
    // Picking the part shown changes nothing.
    if (part == view.part || part < 0 || part >= Parts())
        return;
    Part(view.part).Store(view, stored);
    view.part = part;
    Part(part).Show(view, stored);
}

std::span<const uint8_t> BoardLogic::Cards(int list) const {
    if (list < 0 || static_cast<std::size_t>(list) >= cards_.size())
        return {};
    return cards_[static_cast<std::size_t>(list)];
}

int BoardLogic::IndexIn(int list, int32_t card) const {
    const std::span<const uint8_t> cards = Cards(list);
    if (card < 0 || card > 0xFF)
        return -1;
    const auto at = std::find(cards.begin(), cards.end(), static_cast<uint8_t>(card));
    return at == cards.end() ? -1 : static_cast<int>(at - cards.begin());
}

bool BoardLogic::Offers(int list, int32_t card) const {
    return IndexIn(list, card) >= 0;
}

int BoardLogic::CardIndex(const FormView& view, int connector) const {
    return IndexIn(view.lists[static_cast<std::size_t>(connector)], StoredCard(view.record, connector));
}

uint8_t BoardLogic::CardAt(const FormView& view, int connector, int index) const {
    const std::span<const uint8_t> cards = Cards(view.lists[static_cast<std::size_t>(connector)]);
    return index >= 0 && static_cast<std::size_t>(index) < cards.size()
               ? cards[static_cast<std::size_t>(index)]
               : 0;
}

bool BoardLogic::CardEnabled(const FormView& view, int connector) const {
    return view.locked[static_cast<std::size_t>(connector)] == 0;
}

bool BoardLogic::PrefixEnabled(const FormView& view, int connector) const {
    return view.locked[static_cast<std::size_t>(connector)] == 0;
}

void BoardLogic::ShowChoices(const SettingsRecord& r, FormView& view) const {
    BringIntoRange(spec_.choices, r, view.record);
    if (const ListSwitch* s = spec_.listSwitch)
        SetList(view, s->connector, s->listOf(Choice(view, s->choice)));
    ShowChipLists(spec_.chipLists, r, view.record);
    for (const GatedList& g : GatedLists())
        view.kept[g.choice] = Choice(view, g.choice);
}

void BoardLogic::SetUpView(FormView& view) const {
    if (const ListSwitch* s = spec_.listSwitch) {
        for (const ChoiceField& f : spec_.choices)
            if (f.offset == s->choice)
                SetChoice(view, s->choice, f.fallback);
        SetList(view, s->connector, s->listOf(Choice(view, s->choice)));
    }
    for (const GatedList& g : GatedLists())
        view.kept[g.choice] = g.first;
}

void BoardLogic::ItemChosen(FormView& view, SettingsRecord& stored, std::size_t offset) const {
    // A variant stores what the controls show, and every control shows the settings record again.
    if (spec_.reshowChoice == offset) {
        Store(view, stored);
        Show(view, stored);
        return;
    }
    // The card picture keeps the previous card until the next card change.
    if (const ListSwitch* s = spec_.listSwitch; s != nullptr && offset == s->choice) {
        SetList(view, s->connector, s->listOf(Choice(view, s->choice)));
        Redraw(view);
    }
    const std::span<const GatedList> gated = GatedLists();
    for (const GatedList& chosen : gated)
        if (chosen.choice == offset)
            for (const GatedList& g : gated)
                if (&g == &chosen || (chosen.group >= 0 && g.group == chosen.group))
                    view.kept[g.choice] = Choice(view, g.choice);
}

void BoardLogic::StoreChoices(const FormView& view, SettingsRecord& target) const {
    for (const ChoiceField& f : spec_.choices) {
        if (f.width == 1)
            target.SetU8(f.offset, view.record.U8(f.offset));
        else
            target.SetI32(f.offset, view.record.I32(f.offset));
    }
}

void BoardLogic::ShowCardPicture(FormView& view, const char* image, int card) {
    view.pictures[image] = Picture{std::string(DaughterBitmapName(card)), {}};
}

void BoardLogic::DrawPictures(FormView& view) const {
    for (int k = 0; k < static_cast<int>(spec_.connectors.size()); ++k) {
        const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(k)];
        if (c.combo != nullptr && c.image != nullptr)
            ShowCardPicture(view, c.image, StoredCard(view.record, k));
    }
}

void BoardLogic::DrawOutlines(FormView& view) const {
    for (const FlagBinding& f : spec_.flags) {
        const bool ticked = view.record.U8(f.offset) != 0;
        for (const char* shape : {f.shape, f.shape2})
            if (shape != nullptr)
                view.shown[shape] = ticked;
        for (const char* shape : f.moreShapes)
            view.shown[shape] = ticked;
    }
    for (int k = 0; k < static_cast<int>(spec_.connectors.size()); ++k) {
        const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(k)];
        if (c.shape != nullptr && c.combo != nullptr)
            view.shown[c.shape] = StoredCard(view.record, k) != 0;
    }
}

void BoardLogic::FollowGatedLists(FormView& view) const {
    for (const GatedList& g : GatedLists())
        SetChoice(view, g.choice, Serves(view.record, g.choice) ? view.kept[g.choice] : g.off);
}

void BoardLogic::Redraw(FormView& view) const {
    DrawOutlines(view);
    FollowGatedLists(view);
}

void BoardLogic::Refresh(FormView& view) const {
    DrawPictures(view);
    Redraw(view);
}

void BoardLogic::SetList(FormView& view, int connector, int list) const {
    view.lists[static_cast<std::size_t>(connector)] = list;
    StoreCard(view.record, connector, CardAt(view, connector, 0));
}

void BoardLogic::Couple(FormView& view, int from, bool lock) const {
    const GpioPair& pair = *spec_.gpioPair;
    const int self = from == pair.header0 ? pair.header0 : pair.header1;
    const int other = self == pair.header0 ? pair.header1 : pair.header0;
    const ConnectorBinding& mine = spec_.connectors[static_cast<std::size_t>(self)];
    const ConnectorBinding& theirs = spec_.connectors[static_cast<std::size_t>(other)];
    if (mine.combo == nullptr || theirs.combo == nullptr)
        return; // a pair the board couples itself
    const HeaderChoice changed{CardIndex(view, self), view.record.Text(mine.prefixOffset), false};
    HeaderChoice follower{CardIndex(view, other), view.record.Text(theirs.prefixOffset),
                          view.locked[static_cast<std::size_t>(other)] != 0};
    // A header that stays free keeps its card and prefix as they are, listed or not.
    if (CoupleHeader(changed, follower, CardId(view.record, self), CardId(view.record, other)) !=
        Coupling::Free) {
        StoreCard(view.record, other, CardAt(view, other, follower.item));
        view.record.SetText(theirs.prefixOffset, follower.prefix);
    }
    if (lock)
        view.locked[static_cast<std::size_t>(other)] = follower.locked ? 1 : 0;
}

// ---- Records ----

void BoardLogic::ReadyToShow(SettingsRecord& r) const {
    FixLoaded(r);
    BringIntoRange(spec_.choices, r, r);
}

SettingsRecord BoardLogic::RecordToGenerate(const FormView& view, const SettingsRecord& stored) const {
    SettingsRecord r = spec_.generateFrom == GenerateFrom::Zeroed ? NewRecord() : stored;
    Store(view, r);
    SetHead(r);
    ApplyDefaultPrefixes(r);
    return r;
}

std::vector<BatchProject> BoardLogic::BatchProjects(const FormView& shown,
                                                    const SettingsRecord& stored) const {
    std::vector<BatchProject> projects;
    FormView view = shown; // the controls as the batch sets them: the form's own stay as they are
    SettingsRecord settings = stored;
    const GpioPair* pair = spec_.gpioPair;
    for (const BatchPass& pass : spec_.batch) {
        const int k = pass.connector;
        const bool fromHeader0 = pair != nullptr && k == pair->header0;
        const std::size_t prefix = spec_.connectors[static_cast<std::size_t>(k)].prefixOffset;
        const int count = static_cast<int>(Cards(view.lists[static_cast<std::size_t>(k)]).size());
        for (int i = pass.from; i < count; ++i) {
            const uint8_t card = CardAt(view, k, i);
            StoreCard(view.record, k, card);
            if (fromHeader0)
                StoreCard(view.record, pair->header1, CardAt(view, pair->header1, i));
            if (pass.prefix != nullptr)
                view.record.SetText(prefix, pass.prefix);
            if (pass.pairPrefix != nullptr && fromHeader0) {
                const bool spans = BoardConnectorType(static_cast<int8_t>(card)) == CONNECTOR_GPIO80;
                view.record.SetText(prefix, spans || pass.prefix == nullptr ? "" : pass.prefix);
                view.record.SetText(spec_.connectors[static_cast<std::size_t>(pair->header1)].prefixOffset,
                                    spans ? "" : pass.pairPrefix);
            }
            const std::string name = BatchProjectName(pass.nameFormat, card);
            view.record.SetText(spec_.head.projectName, name);
            if (spec_.generateFrom == GenerateFrom::StoredSettings)
                Store(view, settings);
            projects.push_back({name, RecordToGenerate(view, settings)});
        }
        StoreCard(view.record, k, CardAt(view, k, 0));
    }
    return projects;
}

int BoardLogic::ListOf(int connector, const SettingsRecord& r) const {
    if (const ListSwitch* s = spec_.listSwitch; s != nullptr && connector == s->connector)
        return s->listOf(ChoiceIn(r, s->choice));
    return spec_.connectors[static_cast<std::size_t>(connector)].list;
}

AttachStep BoardLogic::StepOf(int connector, const SettingsRecord& r) const {
    const ConnectorBinding& c = spec_.connectors[static_cast<std::size_t>(connector)];
    return {c.kind,        r.U8(c.idOffset), c.masterId,   r.Text(c.prefixOffset),
            c.pinOverride, c.ioStandard,     c.hsmcVariant};
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

// ---- Generate ----

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

std::string BoardLogic::Validate(const SettingsRecord& r, CheckFor what) const {
    if (spec_.prefixRulesFirst) {
        std::string clash = CheckPrefixes(r);
        if (!clash.empty())
            return clash;
    }
    const std::string name = ProjectName(r);
    std::string message = what == CheckFor::Generate ? CheckProjectName(name) : CheckProjectNameGiven(name);
    if (!message.empty()) {
        const std::string over = PrefixRulesOverName(r);
        return over.empty() ? message : over;
    }
    if (what == CheckFor::Save)
        return CheckPrefixes(r);
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

} // namespace kit
