#pragma once
// The board-form kit's window: a view of its board's logic. One board form is its
// layout table, its binding tables (kit::BoardSpec) and its decisions
// (kit::BoardLogic). It keeps what its controls show (kit::FormView), binds that to
// the controls and back, and hands every action of the user to the logic with it;
// then it binds again. It draws the outlines and card pictures when the logic says.
// A board's own form class adds only what it draws beyond the kit.

#include "BoardLogic.h"
#include "platform/qt/FormLayout.h"
#include "settings/ConfigBase.h"
#include "settings/SettingsRecord.h"

#include <QWidget>
#include <functional>
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

// The settings holder of a board form: the record and the folder of the last .cfg dialog.
using FormSettings = TConfigBase<SettingsRecord>;

class BoardForm : public QWidget, protected kit::FormPainter {
public:
    BoardForm(QWidget* owner, const kit::BoardLogic& logic, std::span<const platform::LayoutRow> layout);
    ~BoardForm() override;
    BoardForm(const BoardForm&) = delete;
    BoardForm& operator=(const BoardForm&) = delete;

    // The binding: what the view holds into the controls, and what the controls show
    // (the user's typing and choices) into the view.
    void Bind();
    void Read();
    const kit::FormView& View() const { return m_View; }
    // The controls show this view.
    void BindView(const kit::FormView& view) {
        m_View = view;
        Bind();
    }

    // The record shown, and what the controls show stored into a record.
    void ConfigToUi(const SettingsRecord& record);
    void UiToConfig(SettingsRecord& record);
    // The checks of Save on what the controls show.
    bool ValidateUi();

    // Handlers.
    void ButtonGenClick();
    void ButtonSaveClick();
    void ButtonLoadClick();
    void ButtonExitClick();
    void ButtonMainBoardSelectClick();
    void ButtonDefaultSettingClick();
    void CheckBoxClick(int flag);
    void ComboBoxCardChange(int connector);
    void ComboBoxChoiceChange(int list);
    void FormClose();

    // The decisions of the part of the board the controls show.
    const kit::BoardLogic& Logic() const { return m_Logic->Part(m_View.part); }
    // The settings object: its record is the form's lasting state.
    FormSettings& Settings() { return m_Settings; }
    SettingsRecord& Record() { return m_Settings.Config; }
    // The settings record with what the controls show stored in it.
    SettingsRecord Shown();
    // The card id chosen on a connector.
    uint8_t ChosenCard(int connector);
    QComboBox* Combo(int connector) const { return m_Cards[static_cast<std::size_t>(connector)].combo; }
    QLineEdit* PrefixEdit(int connector) const { return m_Cards[static_cast<std::size_t>(connector)].prefix; }

protected:
    // Runs the common construction once the subclass has bound its own controls:
    // lists filled, default.cfg or the defaults, shown.
    void Start();
    // A board whose settings are saved in the destructor calls this from its destructor.
    void SaveInDestructor();
    // Another part of the board shown (its controls' binding calls this).
    void ChoosePart(int part);
    // An action of the board's logic on what the form shows: what the controls show is
    // read, the action runs (with the settings record and the form to draw), and the
    // result is bound to the controls.
    void Apply(const std::function<void(kit::FormView& view, SettingsRecord& stored,
                                        kit::FormPainter* painter)>& action);

    void SetShapeVisible(const char* name, bool visible);
    QWidget* Widget(const char* name) const;
    // Fills one of the board's own lists with its items; returns the list.
    QComboBox* FillList(const char* combo, std::span<const char* const> items);
    QComboBox* FillList(const char* combo, const std::vector<std::string>& items);

    // What the board draws beyond the kit, from what the form shows.
    virtual void FillChoiceLists() {}
    virtual void DrawPictures(const kit::FormView& /*view*/) {}
    virtual void DrawOutlines(const kit::FormView& /*view*/) {}
    virtual void DrawChoices(const kit::FormView& /*view*/) {}
    // After a box click has been handled.
    virtual void BoxDrawn(int /*flag*/) {}
    // The board's own controls that show something of the view beyond its record.
    virtual void BindExtras(const kit::FormView& /*view*/) {}

    // kit::FormPainter
    void CardPictures(const kit::FormView& view) override;
    void Outlines(const kit::FormView& view) override;
    void ChoicesShown(const kit::FormView& view) override;

    void closeEvent(QCloseEvent* event) override;

private:
    struct CardControls {
        QComboBox* combo;
        QLineEdit* prefix;
        platform::PictureBox* image;
        int shownList; // the card list the combo box holds; -1: none yet
    };

    const kit::BoardLogic* m_Logic; // the board's (its first part's) decisions
    kit::FormView m_View;
    FormSettings m_Settings;
    std::vector<QCheckBox*> m_Boxes;
    std::vector<CardControls> m_Cards;
    std::vector<QComboBox*> m_Choices;
    std::vector<QLineEdit*> m_Texts;
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
