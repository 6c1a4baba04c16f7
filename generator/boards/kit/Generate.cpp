#include "Generate.h"

#include "core/Pinwright.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <filesystem>

namespace kit {

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

bool CheckSettings(const BoardLogic& logic, const SettingsRecord& r, CheckFor what) {
    const std::string message = logic.Validate(r, what);
    if (!message.empty()) {
        platform::ShowMessage(message, "Error", platform::Icon::Error);
        return false;
    }
    return logic.ConfirmSettings(r);
}

bool GenerateBatch(const BoardLogic& logic, const std::vector<BatchProject>& projects,
                   const std::string& folder) {
    for (const BatchProject& project : projects) {
        const std::string projectFolder = folder + project.name;
        std::error_code ec;
        std::filesystem::create_directories(projectFolder, ec);
        if (!GenerateProject(logic, project.record, projectFolder + "/" + project.name + ".qpf"))
            return false;
    }
    return true;
}

} // namespace kit
