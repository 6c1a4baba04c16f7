#pragma once
// The board-form kit's window: one board form is its layout table, its binding
// tables (kit::BoardSpec) and its decisions (kit::BoardLogic), plus the few
// controls of its own that a board binds in its subclass. Everything the board
// forms share lives here once: construction, record to controls and back, the
// outlines and card pictures, validation, Generate with its batch, the GPIO header
// coupling, Save/Load, and the save at the end of the form's life.

#include "BoardLogic.h"
#include "platform/qt/FormLayout.h"
#include "settings/ConfigBase.h"
#include "settings/SettingsRecord.h"

#include <QWidget>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QCloseEvent;
namespace platform {
class PictureBox;
}

// The settings holder of a board form: the record, the folder of the last .cfg
// dialog and one card list.
using FormSettings = TConfigBase<SettingsRecord>;

class BoardForm : public QWidget {
public:
    BoardForm(QWidget* owner, const kit::BoardLogic& logic, std::span<const platform::LayoutRow> layout);
    ~BoardForm() override;
    BoardForm(const BoardForm&) = delete;
    BoardForm& operator=(const BoardForm&) = delete;

    // Roles.
    void SetDefaultConfig(SettingsRecord& record);
    void FillComboBoxes();
    void ConfigToUi(const SettingsRecord& record);
    bool UiToConfig(SettingsRecord& record);
    void UpdateDaughterImages();
    void UpdateShapes();
    bool ValidateUi();
    bool GenerateProject(const std::string& qpfPath);
    // Couples the header pair after the sender's card changed; lock: the follower's
    // controls are disabled (and the other one's enabled) as well.
    void SyncGpioCombos(int senderConnector, bool lock = true);
    void BatchGenerate();

    // Handlers.
    void ButtonGenClick();
    void ButtonSaveClick();
    void ButtonLoadClick();
    void ButtonExitClick();
    void ButtonMainBoardSelectClick();
    void ButtonDefaultSettingClick();
    void CheckBoxClick();
    void ComboBoxCardChange(int connector);
    void FormClose();

    const kit::BoardLogic& Logic() const { return *m_Logic; }
    // The settings object: its record is the form's lasting state.
    FormSettings& Settings() { return m_Holders.front(); }
    SettingsRecord& Record() { return m_Holders.front().Config; }
    // The settings record with the controls copied in: what the form shows.
    SettingsRecord Shown();
    // The card id chosen on a connector.
    uint8_t ChosenCard(int connector) const;
    QComboBox* Combo(int connector) const { return m_Cards[static_cast<std::size_t>(connector)].combo; }
    QLineEdit* PrefixEdit(int connector) const { return m_Cards[static_cast<std::size_t>(connector)].prefix; }

protected:
    // Runs the common construction once the subclass has bound its own controls:
    // lists filled, default.cfg or the defaults, shown, then the board's trailing steps.
    void Start();
    // Decisions that bind the same controls to other bytes of the record (the settings
    // block of another part of the board); the controls keep what they show.
    void UseLogic(const kit::BoardLogic& logic);
    // A board whose settings are saved in the destructor calls this from its destructor.
    void SaveInDestructor();

    // Fills a connector's combo box from card list `list`, at index 0.
    void FillCardCombo(int connector, int list);
    int ShownList(int connector) const { return m_Cards[static_cast<std::size_t>(connector)].list; }
    // The settings holder of card list `list` (its DaughterIds).
    const FormSettings& Holder(int list) const { return m_Holders[static_cast<std::size_t>(list)]; }
    void SetShapeVisible(const char* name, bool visible);
    QWidget* Widget(const char* name) const;

    // The record of one Generate (kit::BoardLogic::WorkingRecord of what the form shows).
    SettingsRecord WorkingRecord();
    // The same for a project about to be written: a board whose Generate works in the
    // settings record first copies the controls into it.
    SettingsRecord GenerateRecord();

    // Hooks for the board's own controls.
    virtual void FillChoiceLists() {}
    virtual void ChoicesToUi(const SettingsRecord& /*record*/) {}
    virtual void UiToChoices(SettingsRecord& /*record*/) {}
    virtual void UpdateExtras() {}
    virtual void UpdateExtraImages() {}
    virtual void TrailingSteps() {}
    virtual void CardChanged(int /*connector*/) {}
    // After the outlines, when the user (or, with boxClickOnLoad, ConfigToUi) changes a box.
    virtual void BoxClicked() {}
    // Whether ConfigToUi shows a connector's stored card; false: its controls keep what they show.
    virtual bool ShowsStoredCard(int /*connector*/, const SettingsRecord& /*record*/) const { return true; }

    void closeEvent(QCloseEvent* event) override;

private:
    struct CardControls {
        QComboBox* combo;
        QLineEdit* prefix;
        platform::PictureBox* image;
        int list;
    };

    const kit::BoardLogic* m_Logic;
    std::vector<FormSettings> m_Holders; // the first holds the record; one card list each
    std::vector<QCheckBox*> m_Boxes;
    std::vector<CardControls> m_Cards;
    QLineEdit* m_EditProjectName = nullptr;
};

// The form of a board whose form is its layout and its decisions, nothing more.
class PlainBoardForm final : public BoardForm {
public:
    PlainBoardForm(QWidget* owner, const kit::BoardLogic& logic, std::span<const platform::LayoutRow> layout);
    ~PlainBoardForm() override;
    PlainBoardForm(const PlainBoardForm&) = delete;
    PlainBoardForm& operator=(const PlainBoardForm&) = delete;
};

// Shows a card's 80-pixel picture on image, or hides it for no card.
void ShowCardPicture(platform::PictureBox* image, int cardId);

// Couples two GPIO headers' controls after the changed header's card changed
// (kit::CoupleHeaders): the other header follows and is locked, or is unlocked (with
// lock false, only the choices follow).
void SyncHeaderPair(QComboBox* changed, QLineEdit* changedPrefix, QComboBox* other, QLineEdit* otherPrefix,
                    uint8_t changedCard, uint8_t otherCard, bool lock);
