#pragma once
// The board-form kit's window: a view of its board's logic. One board form is its
// layout table, its binding tables (kit::BoardSpec) and its decisions
// (kit::BoardLogic), run by one kit::FormSession. It binds the session's view to the
// controls (what they show and what is drawn beside them) and back, and hands every
// action of the user to the session; then it binds again. A board's own form class
// adds only what its construction places (lists' items, tool tips, moved controls).

#include "FormSession.h"
#include "platform/qt/FormLayout.h"

#include <QWidget>
#include <functional>
#include <map>
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

class BoardForm : public QWidget {
public:
    BoardForm(QWidget* owner, const kit::BoardLogic& logic, std::span<const platform::LayoutRow> layout);
    ~BoardForm() override;
    BoardForm(const BoardForm&) = delete;
    BoardForm& operator=(const BoardForm&) = delete;

    // The binding: what the view holds into the controls, and what the controls show
    // (the user's typing and choices) into the view.
    void Bind();
    void Read();
    kit::FormSession& Session() { return m_Session; }
    const kit::FormView& View() const { return m_Session.View(); }
    // The decisions of the part of the board the controls show.
    const kit::BoardLogic& Logic() const { return m_Session.Logic(); }

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
    void ComboBoxPartChange();
    void FormClose();

protected:
    // Runs the common construction once the subclass has placed its own controls: lists
    // filled, default.cfg or the defaults, shown.
    void Start();
    // An action of the board's own on what the form shows: what the controls show is
    // read, the action runs on the session, and the result is bound to the controls.
    void Apply(const std::function<void(kit::FormView& view, SettingsRecord& stored)>& action);

    QWidget* Widget(const char* name) const;
    // Fills one of the board's own lists with its items; returns the list.
    QComboBox* FillList(const char* combo, std::span<const char* const> items);
    QComboBox* FillList(const char* combo, const std::vector<std::string>& items);
    QComboBox* Combo(int connector) const { return m_Cards[static_cast<std::size_t>(connector)].combo; }

    // The items of the board's own lists (construction).
    virtual void FillChoiceLists() {}

    void closeEvent(QCloseEvent* event) override;

private:
    struct CardControls {
        QComboBox* combo;
        QLineEdit* prefix;
        int shownList; // the card list the combo box holds; -1: none yet
    };

    // What is drawn beside the record: shown controls, captions, pictures.
    void BindDrawn();

    kit::FormSession m_Session;
    std::vector<QCheckBox*> m_Boxes;
    std::vector<CardControls> m_Cards;
    std::vector<QComboBox*> m_Choices;
    std::vector<QLineEdit*> m_Texts;
    QLineEdit* m_EditProjectName = nullptr;
    QComboBox* m_PartList = nullptr;
    // The picture each picture box was given last, so that an unchanged one is not loaded again.
    std::map<std::string, kit::Picture> m_BoundPictures;
};

// The form of a board whose form is its layout and its decisions, nothing more.
class PlainBoardForm final : public BoardForm {
public:
    PlainBoardForm(QWidget* owner, const kit::BoardLogic& logic, std::span<const platform::LayoutRow> layout);
};

// Shows a card's 80-pixel picture on image, or hides it for no card.
void ShowCardPicture(platform::PictureBox* image, int cardId);
