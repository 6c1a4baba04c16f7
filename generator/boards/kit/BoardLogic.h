#pragma once
// What a board form decides, without widgets: defaults, what a loaded record may
// hold, what the controls show of a record and what is drawn beside them, and how
// every action of the user changes that (kit::FormView), validation, the pin table and
// the attach steps of Generate, the batch, and the notes after it. A kit::FormSession
// makes these calls for the form, tools/gen-project and the tests alike.

#include "Attach.h"
#include "BoardSpec.h"
#include "FormView.h"
#include "settings/ConfigBoard.h"
#include "settings/DaughterList.h"
#include "settings/SettingsRecord.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kit {

// A box the form shows (text, caption, icon).
struct Notice {
    std::string text;
    std::string caption;
    int icon; // platform::Icon
};

// What a record is checked for: a Save takes any name and prefix the board's own rules
// allow; a Generate also refuses what would make a project that cannot be written or
// compiled (names with control characters or path separators, prefixes that are no
// identifiers, cards without a pin table).
enum class CheckFor { Save, Generate };

// A list of the board's own chosen only while something it serves is in use (the board's
// BoardLogic::Serves): it shows the choice it keeps then, else its `off` item. What the
// user picks there is kept, with what every list of its group shows (group -1: none).
struct GatedList {
    std::size_t choice;
    int32_t off;
    int32_t first; // kept by a new form
    int group = -1;
};

// One project of the left-Ctrl batch: its name (and sub-folder) and the record it is built from.
struct BatchProject {
    std::string name;
    SettingsRecord record;
};

class BoardLogic {
public:
    explicit BoardLogic(const BoardSpec& spec);
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
    // What a store of the form writes into the head (the board's HeadOnSave).
    void SetSavedHead(SettingsRecord& r) const;
    std::string ProjectName(const SettingsRecord& r) const;
    uint8_t CardId(const SettingsRecord& r, int connector) const;
    std::string Prefix(const SettingsRecord& r, int connector) const;

    // ---- What the form shows, and the user's actions on it ----
    // The controls of a new form: every list filled, nothing chosen.
    FormView NewView() const;
    // A new form's start: the record of default.cfg (`start`, null when there is none)
    // or the defaults become the settings record `stored`, and the controls show it.
    void Start(FormView& view, SettingsRecord& stored, const SettingsRecord* start) const;
    // Load Setting, once `stored` holds the file's record.
    void Load(FormView& view, SettingsRecord& stored) const;
    // Default Setting.
    void Defaults(FormView& view, SettingsRecord& stored) const;
    // The controls show record r (the settings record, wherever the form shows one).
    void Show(FormView& view, const SettingsRecord& r) const;
    // What the controls show, into target: the save of the settings record, and the
    // controls' part of every record Generate builds.
    void Store(const FormView& view, SettingsRecord& target) const;
    // The user ticks or clears a box (its index in the BoardSpec's flags).
    void ClickBox(FormView& view, const SettingsRecord& stored, int flag, bool ticked) const;
    // The user picks item `index` of a connector's card list.
    void ChooseCard(FormView& view, int connector, int index) const;
    // The user picks item `index` of one of the board's own lists (by its record field).
    void ChooseItem(FormView& view, SettingsRecord& stored, std::size_t offset, int index) const;
    // The user picks another part of the board (another FPGA): the controls' part is
    // kept in the settings record, then the other part is shown.
    void ChoosePart(FormView& view, SettingsRecord& stored, int part) const;

    // The card pictures and the outlines drawn again, and the lists following them: what
    // a form does after an action of its own (a dialog's choice) changed the view.
    void Refresh(FormView& view) const;

    // What a board's controls offer and allow.
    std::span<const uint8_t> Cards(int list) const;
    // A connector's combo box: the item its card is, and the card an item is.
    int CardIndex(const FormView& view, int connector) const;
    uint8_t CardAt(const FormView& view, int connector, int index) const;
    virtual bool CardEnabled(const FormView& view, int connector) const;
    bool PrefixEnabled(const FormView& view, int connector) const;
    // One of the board's own lists (by its record field): the item it shows, the item
    // the user picked, and whether it may be changed.
    int32_t Choice(const FormView& view, std::size_t offset) const;
    void SetChoice(FormView& view, std::size_t offset, int index) const;
    virtual bool ChoiceEnabled(const FormView& view, std::size_t offset) const;

    // A board whose record holds several parts shown one at a time (two FPGAs): the
    // number of parts and the decisions of each.
    virtual int Parts() const { return 1; }
    virtual const BoardLogic& Part(int /*part*/) const { return *this; }

    // What a loaded record loses before any control shows it: a choice outside its list
    // takes its default (the list cannot show it), and the board's own fixes.
    void ReadyToShow(SettingsRecord& r) const;
    // What the board's form changes in the record it starts with (default.cfg or the
    // defaults) before it is shown.
    virtual void PrepareStart(SettingsRecord& /*r*/) const {}

    // ---- Generate ----
    // The record one Generate works on: the board's starting record (zeroed, or the
    // settings record) with the controls copied in, this board's head and its default
    // prefixes.
    SettingsRecord RecordToGenerate(const FormView& view, const SettingsRecord& stored) const;
    // The projects of the left-Ctrl batch, in the order they are written: each card of
    // each pass's list with the controls as the batch sets them.
    std::vector<BatchProject> BatchProjects(const FormView& view, const SettingsRecord& stored) const;
    bool HasBatch() const { return !spec_.batch.empty() || spec_.batchWithoutPasses; }
    // Prefixes a board gives an empty prefix of some cards ("HSMC_"), before validation.
    virtual void ApplyDefaultPrefixes(SettingsRecord& /*r*/) const {}
    // "" when the record may be saved (CheckFor::Save: the board's own rules) or
    // generated (those and the names' and cards' rules of a project), else the message.
    std::string Validate(const SettingsRecord& r, CheckFor what = CheckFor::Generate) const;
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

    // The card list a connector of record r takes its card from (some boards switch
    // lists by a choice).
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
    // The board's gated lists, and whether something a gated list serves is in use.
    virtual std::span<const GatedList> GatedLists() const { return {}; }
    virtual bool Serves(const SettingsRecord& /*r*/, std::size_t /*choice*/) const { return true; }

    virtual void SetBoardDefaults(SettingsRecord& /*r*/) const {}
    // What a loaded record loses before it is shown (bytes the form clears at a load).
    virtual void FixLoaded(SettingsRecord& /*r*/) const {}

    // The steps of the form the boards add to: each runs where the form's step ran.
    // The board's own controls of a new form (their first items, their lists).
    virtual void SetUpView(FormView& view) const;
    // The board's own controls as they show record r: by default each choice of the
    // BoardSpec's list, as it stands, the card list the ListSwitch picks, the clock
    // chips' lists and the choices the gated lists keep.
    virtual void ShowChoices(const SettingsRecord& r, FormView& view) const;
    // What is drawn once the board's own controls show a record (before its cards are shown).
    virtual void DrawChoices(FormView& /*view*/) const {}
    // Whether the controls show a connector's stored card; false: they keep what they show.
    virtual bool ShowsStoredCard(int /*connector*/, const SettingsRecord& /*r*/,
                                 const FormView& /*view*/) const {
        return true;
    }
    // The board's own controls into the record: by default each choice of the BoardSpec's list.
    virtual void StoreChoices(const FormView& view, SettingsRecord& target) const;
    // After a start or a load has shown the settings record.
    virtual void AfterLoad(FormView& /*view*/, SettingsRecord& /*stored*/) const {}
    // The card pictures: each connector's card; the boards draw theirs after.
    virtual void DrawPictures(FormView& view) const;
    // The outlines: each box's and each chosen card's; the boards draw theirs after.
    virtual void DrawOutlines(FormView& view) const;
    // After the user's box click has redrawn the outlines.
    virtual void BoxClicked(FormView& /*view*/, const SettingsRecord& /*stored*/, int /*flag*/) const {}
    // After the user's card choice has coupled the header pair, before the redraw.
    virtual void CardChanged(FormView& /*view*/, int /*connector*/) const {}
    // After the user's choice in one of the board's own lists.
    virtual void ItemChosen(FormView& view, SettingsRecord& stored, std::size_t offset) const;

    // Steps for the boards' own.
    // The outlines drawn again, then the gated lists follow the boxes.
    void Redraw(FormView& view) const;
    // A card's 80-pixel picture on a picture box (hidden for a card without one).
    static void ShowCardPicture(FormView& view, const char* image, int card);
    // Whether the card list `list` holds the card.
    bool Offers(int list, int32_t card) const;
    // The position of a card in a list, -1 when it does not hold it.
    int IndexIn(int list, int32_t card) const;
    // A connector's combo box filled with another list: "None" chosen.
    void SetList(FormView& view, int connector, int list) const;
    // The header coupling from header `from` of the BoardSpec's pair; lock: the follower is
    // locked (or the other one freed) as well.
    void Couple(FormView& view, int from, bool lock) const;
    // The gated lists show what they keep while they serve, else their `off` item.
    void FollowGatedLists(FormView& view) const;

private:
    // A list of the board's own keeps its item in the width the BoardSpec's choices give, else one byte.
    uint8_t ChoiceWidth(std::size_t offset) const;
    int32_t ChoiceIn(const SettingsRecord& r, std::size_t offset) const;

    const BoardSpec& spec_;
    std::vector<std::vector<uint8_t>> cards_; // each card list's cards
};

// The success box of the newer forms.
Notice SuccessNotice(const std::string& folder);
// A board's note (an information box, none when "") and then the success box.
std::vector<Notice> NoteThenSuccess(const std::string& note, const std::string& folder);

// Fills ids with a card list (the catalogue's cards, then the board's appended ones);
// returns the number of entries.
int32_t CardList(const CardListSpec& list, DaughterIdList& ids);

} // namespace kit
