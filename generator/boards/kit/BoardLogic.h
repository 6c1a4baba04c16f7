#pragma once
// What a board form decides, without widgets: defaults, what a loaded record may
// hold, validation, the pin table and the attach steps of Generate, and the notes
// after it. The form binds its widgets to the record; tools/gen-project and the
// tests drive the same decisions without any window.

#include "Attach.h"
#include "BoardSpec.h"
#include "settings/DaughterList.h"
#include "settings/SettingsRecord.h"

#include <memory>
#include <string>
#include <vector>

#include "settings/ConfigBoard.h"

namespace kit {

// A box the form shows (text, caption, icon).
struct Notice {
    std::string text;
    std::string caption;
    int icon; // platform::Icon
};

class BoardLogic {
public:
    explicit BoardLogic(const BoardSpec& spec) : spec_(spec) {}
    virtual ~BoardLogic() = default;
    BoardLogic(const BoardLogic&) = delete;
    BoardLogic& operator=(const BoardLogic&) = delete;

    const BoardSpec& Spec() const { return spec_; }
    SettingsRecord NewRecord() const { return SettingsRecord(spec_.recordSize); }

    // Zero the record, then the head, the default name and the default flags, then
    // the board's own defaults.
    void SetDefaultConfig(SettingsRecord& r) const;
    // The record that Generate and the saves build always carries this board's id and size.
    void SetHead(SettingsRecord& r) const;
    // What the form's UiToConfig writes into the head (the board's HeadOnSave).
    void SetSavedHead(SettingsRecord& r) const;
    std::string ProjectName(const SettingsRecord& r) const;
    uint8_t CardId(const SettingsRecord& r, int connector) const;
    std::string Prefix(const SettingsRecord& r, int connector) const;

    // The record a new form shows: the defaults, as the form prepares them at its start.
    SettingsRecord StartRecord() const;
    // What a loaded record loses before any control shows it: a choice outside its list
    // takes its default (the list cannot show it), and the board's own fixes.
    void ReadyToShow(SettingsRecord& r) const;
    // What a new form makes of a record it loads (Load Setting), as its next Save or
    // Generate stores it: the controls show what they can (a card its list does not hold
    // leaves the connector as the start showed it), and the record takes back what they show.
    void Normalise(SettingsRecord& r) const;
    // What UiToConfig writes into target from controls that show `shown`.
    void Store(const SettingsRecord& shown, SettingsRecord& target) const;
    // The record one Generate works on, from what the controls show: the board's
    // starting record with the controls copied in, this board's head and its default
    // prefixes.
    SettingsRecord WorkingRecord(const SettingsRecord& shown) const;
    // What the board's form changes in the record it starts with (default.cfg or the
    // defaults) before it is shown.
    virtual void PrepareStart(SettingsRecord& /*r*/) const {}
    // Prefixes a board gives an empty prefix of some cards ("HSMC_"), before validation.
    virtual void ApplyDefaultPrefixes(SettingsRecord& /*r*/) const {}
    // "" when the record may be saved or generated, else the message to show.
    std::string Validate(const SettingsRecord& r) const;
    // The message for a chosen card that has no pin table.
    std::string NoPinsMessage(const AttachStep& step) const;
    // The board's own prefix rules ("" when they hold).
    virtual std::string CheckPrefixes(const SettingsRecord& r) const;
    // Questions and warnings of the board's validation once Validate passed, on Save and
    // Generate alike (they show their own boxes); false stops.
    virtual bool ConfirmSettings(const SettingsRecord& /*r*/) const { return true; }
    // The prefix rules a board checks even without a project name, whose message then
    // replaces the name's ("" when they hold).
    virtual std::string PrefixRulesOverName(const SettingsRecord& /*r*/) const { return std::string(); }

    // The settings object the writers read, for the boards that have one.
    virtual std::unique_ptr<TConfigBoard> MakeSettings(const SettingsRecord& /*r*/) const { return nullptr; }
    // The board's pin table.
    virtual void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard* settings) const = 0;
    // The attach steps of Generate, in the board's order.
    virtual std::vector<AttachStep> AttachPlan(const SettingsRecord& r) const;
    // What a board does to the model right after step `done` of the plan was attached.
    virtual void AfterAttach(TMainBoard& /*board*/, const std::vector<AttachStep>& /*plan*/,
                             std::size_t /*done*/) const {}
    // Yes/No questions before the folder dialog; false ends the Generate.
    virtual bool ConfirmGenerate(const SettingsRecord& /*r*/) const { return true; }
    // The boxes after a successful Generate (the success box included, in the board's order).
    virtual std::vector<Notice> AfterGenerate(const SettingsRecord& r, const std::string& folder) const;

    // The card list a connector takes its card from (some boards switch lists by a choice).
    virtual int ListOf(int connector, const SettingsRecord& /*r*/) const;
    // The defaults with each choice that changes which cards a connector offers or how
    // they attach (voltages, modes, variants): what the generate matrix walks.
    virtual std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const {
        return {defaults};
    }
    // The attach step of one connector holding a card.
    AttachStep StepOf(int connector, const SettingsRecord& r) const;
    // A connector's card id as the record keeps it (one byte, or a 32-bit number), and
    // the id stored in the connector's field.
    int32_t StoredCard(const SettingsRecord& r, int connector) const;
    void StoreCard(SettingsRecord& r, int connector, uint8_t card) const;

protected:
    virtual void SetBoardDefaults(SettingsRecord& /*r*/) const {}

    // The steps of Normalise a board adds to the kit's. What a loaded record loses before
    // it is shown (bytes the form clears at a load).
    virtual void FixLoaded(SettingsRecord& /*r*/) const {}
    // The board's own controls as ConfigToUi shows record r (its choices already in their
    // lists): by default each choice of the BoardSpec's list.
    virtual void ShowChoices(const SettingsRecord& r, SettingsRecord& shown) const;
    // Whether ConfigToUi shows a connector's stored card; false: its controls keep what they show.
    virtual bool ShowsStoredCard(int /*connector*/, const SettingsRecord& /*r*/,
                                 const SettingsRecord& /*shown*/) const {
        return true;
    }
    // The form's trailing steps after it has shown record r; `before` is what a new form
    // showed before the load.
    virtual void AfterShow(const SettingsRecord& /*r*/, const SettingsRecord& /*before*/,
                           SettingsRecord& /*shown*/) const {}
    // The board's own controls as UiToConfig stores them: by default each choice of the BoardSpec's list.
    virtual void StoreChoices(const SettingsRecord& shown, SettingsRecord& target) const;

    // ConfigToUi of record r over the controls `shown`: name, boxes, choices, cards and
    // the header pair's coupling.
    void Show(const SettingsRecord& r, SettingsRecord& shown) const;
    // Whether the card list `list` holds the card.
    bool Offers(int list, int32_t card) const;
    // The header coupling from header `from` of the BoardSpec's pair, on a shown record.
    void CoupleShown(SettingsRecord& shown, int from) const;

private:
    // Normalise, from controls that showed `before`.
    void Pass(SettingsRecord& r, const SettingsRecord& before) const;

    const BoardSpec& spec_;
};

// The success box of the newer forms.
Notice SuccessNotice(const std::string& folder);
// A board's note (an information box, none when "") and then the success box.
std::vector<Notice> NoteThenSuccess(const std::string& note, const std::string& folder);

// Fills ids with a card list (the catalogue's cards, then the board's appended ones);
// returns the number of entries.
int32_t CardList(const CardListSpec& list, DaughterIdList& ids);

// The board model and project of one Generate: default prefixes are already in r.
// Shows only the writers' own boxes; true when the project was written.
bool GenerateProject(const BoardLogic& logic, const SettingsRecord& r, const std::string& qpfPath);

// Builds the board model of a record (pin table and attach steps) without writing.
// settings keeps the settings object the model points to; false when a card has no table.
bool BuildBoard(const BoardLogic& logic, const SettingsRecord& r, TMainBoard& board,
                std::unique_ptr<TConfigBoard>& settings);

void ShowNotices(const std::vector<Notice>& notices);

// GenerateProject, then what the form shows: the notices after a success, or the
// failure box naming the .qpf file.
bool GenerateAndReport(const BoardLogic& logic, const SettingsRecord& r, const std::string& qpfPath);

// The whole Generate without windows, as the form runs it with the controls showing
// `shown` (a record Normalise gave) and the project file qpfPath chosen: the working
// record, validation, the board's questions, the project and its boxes. True when the
// project was written.
bool GenerateRecord(const BoardLogic& logic, const SettingsRecord& shown, const std::string& qpfPath);

} // namespace kit
