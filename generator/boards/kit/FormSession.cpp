#include "FormSession.h"

#include "platform/Platform.h"
#include "platform/Text.h"
#include "settings/ConfigFile.h"

namespace kit {

FormSession::FormSession(const BoardLogic& board) : board_(&board), view_(board.NewView()) {
    settings_.Config = board.NewRecord();
}

void FormSession::Start(const SettingsRecord* start) {
    board_->Start(view_, Stored(), start);
}

void FormSession::StartInProgramFolder() {
    settings_.LastFolder = platform::Current().ProgramFolder();
    SettingsRecord start = board_->NewRecord();
    const bool found = settings_.LoadConfigFile(start, configfile::DefaultConfigPath());
    Start(found ? &start : nullptr);
}

void FormSession::ChoosePart(int part) {
    board_->ChoosePart(view_, Stored(), part);
}

void FormSession::Load(const SettingsRecord& record) {
    Stored() = record;
    Logic().Load(view_, Stored());
}

bool FormSession::LoadSetting() {
    if (settings_.LoadConfigFrom()) {
        Logic().Load(view_, Stored());
        return true;
    }
    if (board_->Spec().loadFailureMessage)
        platform::ShowMessage("Failed to load setting", "Error", platform::Icon::Error);
    return false;
}

void FormSession::Defaults() {
    Logic().Defaults(view_, Stored());
}

void FormSession::Store() {
    Logic().Store(view_, Stored());
}

bool FormSession::SaveSetting() {
    if (!Check(CheckFor::Save))
        return false;
    Store();
    return settings_.SaveConfigAs();
}

void FormSession::SaveDefault() {
    Store();
    settings_.SaveDefaultConfig();
}

void FormSession::ClickBox(int flag, bool ticked) {
    Logic().ClickBox(view_, Stored(), flag, ticked);
}

void FormSession::ChooseCard(int connector, int index) {
    Logic().ChooseCard(view_, connector, index);
}

void FormSession::ChooseItem(std::size_t offset, int index) {
    Logic().ChooseItem(view_, Stored(), offset, index);
}

void FormSession::Apply(const std::function<void(FormView& view, SettingsRecord& stored)>& action) {
    action(view_, Stored());
}

bool FormSession::Check(CheckFor what) const {
    return CheckSettings(Logic(), Logic().RecordToGenerate(view_, Stored()), what);
}

bool FormSession::Generate(const FolderQuestion& askProjectFile) {
    const BoardLogic& logic = Logic();
    const BoardSpec& spec = logic.Spec();
    const SettingsRecord r = logic.RecordToGenerate(view_, Stored());
    if (!CheckSettings(logic, r, CheckFor::Generate))
        return false;
    const std::string name = logic.ProjectName(view_.record);
    if (logic.HasBatch() && platform::Current().IsCtrlHeld()) {
        if (spec.batchBeep)
            platform::Beep();
        const std::string path = askProjectFile(spec.folder, name);
        return !path.empty() &&
               GenerateBatch(logic, logic.BatchProjects(view_, Stored()), platform::ExtractFilePath(path));
    }
    if (!logic.ConfirmGenerate(r))
        return false;
    const std::string path = askProjectFile(spec.folder, name);
    if (path.empty())
        return false;
    // A board whose Generate works in the settings record keeps the controls there, as a Save would.
    if (spec.generateFrom == GenerateFrom::StoredSettings)
        Store();
    return GenerateAndReport(logic, logic.RecordToGenerate(view_, Stored()), path);
}

bool FormSession::Generate() {
    return Generate([this](const std::string& folder, const std::string& name) {
        return settings_.ChooseProjectFile(folder, name);
    });
}

} // namespace kit
