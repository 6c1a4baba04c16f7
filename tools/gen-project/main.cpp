// gen-project [--start <record .cfg>] [--fpga <1|2>] <board id> <output folder> [<record .cfg>]
//
// A test tool, not a user feature: builds a board's project from a settings record
// exactly as the board form's Generate does, without windows. The form starts with
// the start record (as with a default.cfg beside the program) or the board's defaults,
// shows the FPGA picked (a board with two), loads the record (Load Setting) and
// generates. Questions are answered Yes; the boxes the form would show are printed.
// Exit 0 with the project written, 1 when Generate fails or is refused, 2 on wrong
// arguments (an output folder it cannot create among them), 3 on a broken internal rule.
// A run that ends with 1 or 2 takes away the folders it created.
#include "ConsolePlatform.h"
#include "boards/BoardTable.h"
#include "boards/kit/FormSession.h"
#include "settings/ConfigFile.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: gen-project [--start <record .cfg>] [--fpga <1|2>] <board id> <output folder> [<record .cfg>]\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

// A whole decimal number, nothing before or after it.
std::optional<unsigned> Number(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Whether path opens for reading and is no folder: the load says only yes or no, this says why not.
bool Readable(const char* path) {
    // O_NONBLOCK: opening a pipe with no writer would otherwise wait for one.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            error = errno;
        else if (S_ISDIR(st.st_mode))
            error = EISDIR;
        ::close(fd);
    }
    if (error == 0)
        return true;
    std::fprintf(stderr, "gen-project: cannot read %s: %s\n", path, std::strerror(error));
    return false;
}

bool ReadRecord(const char* path, SettingsRecord& record) {
    if (!Readable(path))
        return false;
    if (configfile::Load(path, record.data(), record.size()))
        return true;
    std::fprintf(stderr, "gen-project: %s is not a record of %zu bytes\n", path, record.size());
    return false;
}

// Creates folder and the parents it lacks, one at a time, so that created holds exactly
// those this run made (outermost first) and a failed run can take them away again. A file
// on the way is left to the next step to name ("Not a directory"); only the last says "File exists".
bool MakeFolder(const std::string& folder, std::vector<std::filesystem::path>& created) {
    std::filesystem::path prefix;
    std::error_code ec;
    for (const std::filesystem::path& part : std::filesystem::path(folder)) {
        if (part.empty())
            continue;
        prefix /= part;
        if (std::filesystem::create_directory(prefix, ec))
            created.push_back(prefix);
        else if (ec && ec != std::errc::file_exists)
            break;
    }
    if (!ec)
        return true;
    std::fprintf(stderr, "gen-project: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
    return false;
}

// Nothing in them but what this run wrote.
void RemoveCreated(const std::vector<std::filesystem::path>& created) {
    std::error_code ec;
    for (auto folder = created.rbegin(); folder != created.rend(); ++folder)
        std::filesystem::remove_all(*folder, ec);
}

} // namespace

int main(int argc, char** argv) {
    const char* startPath = nullptr;
    std::optional<unsigned> fpga;
    std::vector<const char*> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--start" && i + 1 < argc && startPath == nullptr) {
            startPath = argv[++i];
        } else if (arg == "--fpga" && i + 1 < argc && !fpga) {
            fpga = Number(argv[++i]);
            if (!fpga)
                return Usage();
        } else if (arg.starts_with("--") || positional.size() == 3) {
            return Usage();
        } else {
            positional.push_back(argv[i]);
        }
    }
    if (positional.size() < 2 || positional[1][0] == '\0')
        return Usage();
    const std::optional<unsigned> id = Number(positional[0]);
    if (!id)
        return Usage();
    ConsolePlatform console(argv[0]);
    const kit::BoardLogic* logic = *id < 256 ? FindBoardLogic(static_cast<uint8_t>(*id)) : nullptr;
    if (logic == nullptr) {
        std::fprintf(stderr, "gen-project: board %s has no pin table\n", positional[0]);
        return 2;
    }
    if (fpga && logic->Parts() < 2) {
        std::fprintf(stderr, "gen-project: board %s has one FPGA, --fpga is not for it\n", positional[0]);
        return 2;
    }
    if (fpga && (*fpga < 1 || *fpga > static_cast<unsigned>(logic->Parts()))) {
        std::fprintf(stderr, "gen-project: board %s has no FPGA %u\n", positional[0], *fpga);
        return 2;
    }

    SettingsRecord start = logic->NewRecord();
    if (startPath != nullptr && !ReadRecord(startPath, start))
        return 2;
    SettingsRecord loaded = logic->NewRecord();
    if (positional.size() == 3 && !ReadRecord(positional[2], loaded))
        return 2;
    std::vector<std::filesystem::path> created;
    if (!MakeFolder(positional[1], created)) {
        RemoveCreated(created);
        return 2;
    }
    // The form's road: a new form starts, shows the FPGA picked, loads the record, generates.
    kit::FormSession session(*logic);
    session.Start(startPath != nullptr ? &start : nullptr);
    if (fpga)
        session.ChoosePart(static_cast<int>(*fpga) - 1);
    if (positional.size() == 3)
        session.Load(loaded);

    std::string folder = positional[1];
    if (folder.back() != '/')
        folder += '/';
    const std::string qpf = folder + session.Logic().ProjectName(session.View().record) + ".qpf";
    if (session.Generate([&qpf](const std::string&, const std::string&) { return qpf; }))
        return 0;
    RemoveCreated(created);
    return 1;
}
