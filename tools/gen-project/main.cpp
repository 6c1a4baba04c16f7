// gen-project <board id> <output folder> [<record .cfg>]
//
// A test tool, not a user feature: builds a board's project from a settings record
// (the file's, or the board's defaults) exactly as the board form's Generate does,
// without windows. Questions are answered Yes; the boxes the form would show are
// printed. Exit 0 with the project written, 1 when Generate fails or is refused,
// 2 on wrong arguments, 3 on a broken internal rule.
#include "ConsolePlatform.h"
#include "boards/BoardRegistry.h"
#include "boards/kit/Generate.h"
#include "platform/Text.h"
#include "settings/ConfigFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: gen-project <board id> <output folder> [<record .cfg>]\n");
        return 2;
    }
    ConsolePlatform console(argv[0]);
    const int id = std::atoi(argv[1]);
    const kit::BoardLogic* logic = id > 0 && id < 256 ? FindBoardLogic(static_cast<uint8_t>(id)) : nullptr;
    if (logic == nullptr) {
        std::fprintf(stderr, "gen-project: board %s has no pin table\n", argv[1]);
        return 2;
    }
    // A new form shows the defaults; Load Setting then shows the file's record.
    kit::FormView view = logic->NewView();
    SettingsRecord stored = logic->NewRecord();
    logic->Start(view, stored, nullptr);
    if (argc == 4) {
        if (!configfile::Load(argv[3], stored.data(), stored.size())) {
            std::fprintf(stderr, "gen-project: %s is not a record of %zu bytes\n", argv[3], stored.size());
            return 2;
        }
        logic->Load(view, stored);
    }
    std::string folder = argv[2];
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const kit::BoardLogic& shown = logic->Part(view.part);
    const std::string qpf = folder + shown.ProjectName(view.record) + ".qpf";
    return kit::GenerateRecord(shown, view, stored,
                               [&qpf](const std::string&, const std::string&) { return qpf; })
               ? 0
               : 1;
}
