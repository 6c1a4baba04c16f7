#pragma once
// One board form's session, without widgets: the board's decisions, what the controls
// show (kit::FormView) and the settings object, whose record is the form's lasting
// state. Its steps are the form's: start, choose a part, load, defaults, store, the
// user's actions, save and generate. The board form owns one and binds its view;
// tools/gen-project, the batch and the tests run the same steps.

#include "BoardLogic.h"
#include "Generate.h"
#include "settings/ConfigBase.h"
#include "settings/SettingsRecord.h"

#include <functional>
#include <string>

namespace kit {

// The settings holder of a board form: the record, the folder of the last .cfg dialog
// and the file name of its save dialog.
using FormSettings = TConfigBase<SettingsRecord>;

class FormSession {
public:
    // A new form's controls: every list filled, nothing chosen.
    explicit FormSession(const BoardLogic& board);

    // The board's decisions, and those of the part the controls show.
    const BoardLogic& Board() const { return *board_; }
    const BoardLogic& Logic() const { return board_->Part(view_.part); }
    FormView& View() { return view_; }
    const FormView& View() const { return view_; }
    SettingsRecord& Stored() { return settings_.Config; }
    const SettingsRecord& Stored() const { return settings_.Config; }

    // The start: the record of default.cfg (`start`, null when there is none) or the defaults.
    void Start(const SettingsRecord* start);
    // The form's start: the .cfg dialogs open in the program's folder, and default.cfg
    // beside the program is the start record.
    void StartInProgramFolder();
    // Another part of the board shown (another FPGA).
    void ChoosePart(int part);
    // Load Setting with the file's record.
    void Load(const SettingsRecord& record);
    // Load Setting: the .cfg dialog, then the load. False when cancelled or not loaded
    // (with the board's message, where it has one).
    bool LoadSetting();
    // Default Setting.
    void Defaults();
    // What the controls show, into the settings record.
    void Store();
    // Save Setting: the board's own checks, the store, then the .cfg dialog and file.
    bool SaveSetting();
    // The settings record with what the controls show, into default.cfg (the form's end).
    void SaveDefault();

    // The user's actions.
    void ClickBox(int flag, bool ticked);
    void ChooseCard(int connector, int index);
    void ChooseItem(std::size_t offset, int index);
    // An action of the board's own on what the form shows (a dialog's choice).
    void Apply(const std::function<void(FormView& view, SettingsRecord& stored)>& action);

    // The checks of a Save or a Generate on what the controls show: the message box of
    // a refusal, the board's questions. False stops.
    bool Check(CheckFor what) const;
    // Generate: the checks, then with the left Ctrl key held the batch (after one question
    // for the folder), else the board's questions, the project file, the project and its
    // boxes. True when written.
    bool Generate(const FolderQuestion& askProjectFile);
    // Generate, asking for the project file with the form's save dialog.
    bool Generate();

private:
    const BoardLogic* board_;
    FormView view_;
    FormSettings settings_;
};

} // namespace kit
