// TPinwright::Generate end to end into a temporary folder, by the size of the model,
// beside its floor: the same bytes saved the way the program saves every file
// (temporary file, one write, fsync, rename). Each case runs seven times, the two taking
// turns; the end of the report gives Generate's median over the floor's for each size.
#include "core/MainBoard.h"
#include "core/Pinwright.h"
#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/Text.h"
#include "platform/testing/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// A model of `pins` pins: buses of 16 in connectors of 64, plus a few clocks.
void FillModel(TMainBoard& board, int pins) {
    board.m_BoardId = 30;
    board.m_Family = "MAX 10 FPGA";
    board.m_Device = "10M50DAF484C7G";
    board.m_Package = "FBGA";
    board.m_PinCount = 484;
    board.m_SpeedGradeText = "7";
    TConnector* c = nullptr;
    for (int i = 0; i < pins; ++i) {
        if (i % 64 == 0) {
            c = new TConnector(platform::Format("GROUP%d", i / 64), "", CONNECTOR_NONE, -1);
            board.AddConnector(c);
        }
        // Reverse order within a bus, so the sort has work to do.
        std::string name = platform::Format("BUS%d_%d[%d]", i / 64, (i % 64) / 16, 15 - i % 16);
        auto* pin = new TPin(name.c_str(), platform::Format("L%d", i).c_str(),
                             (i / 16) % 2 == 0 ? DIRECTION_INPUT : DIRECTION_OUTPUT, IOSTD_3V3_LVTTL, 0.0f);
        if (i % 97 == 0) {
            pin->SetIsClock(1);
            pin->SetFrequencyText("50.0 MHz");
        }
        c->AddPin(pin);
    }
}

// A folder of its own under /tmp, removed with everything in it.
class BenchFolder {
public:
    BenchFolder() {
        char folder[] = "/tmp/pw-bench-XXXXXX";
        if (mkdtemp(folder) != nullptr)
            path_ = folder;
    }
    ~BenchFolder() {
        if (!path_.empty())
            std::filesystem::remove_all(path_);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    bool Made() const { return !path_.empty(); }
    std::string File(const char* name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

constexpr const char* kFiles[] = {"bench.qpf", "bench.qsf", "bench.v", "bench.sdc", "bench.htm"};

void Generate(benchmark::State& state) {
    platform::testing::ScriptedPlatform seam;
    BenchFolder folder;
    if (!folder.Made()) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const std::string qpf = folder.File("bench.qpf");
    const int pins = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TMainBoard board;
        FillModel(board, pins);
        state.ResumeTiming();
        TPinwright writer;
        if (!writer.Generate(&board, qpf))
            state.SkipWithError("Generate failed");
    }
    state.SetComplexityN(pins);
    state.counters["pins"] = pins;
}

// The files Generate writes for the model, saved again as they are.
void Floor(benchmark::State& state) {
    platform::testing::ScriptedPlatform seam;
    BenchFolder folder;
    if (!folder.Made()) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const int pins = static_cast<int>(state.range(0));
    {
        TMainBoard board;
        FillModel(board, pins);
        TPinwright writer;
        if (!writer.Generate(&board, folder.File("bench.qpf"))) {
            state.SkipWithError("Generate failed");
            return;
        }
    }
    std::vector<std::pair<std::string, std::string>> files;
    std::size_t bytes = 0;
    for (const char* name : kFiles) {
        std::optional<std::string> text = platform::ReadRegularFile(folder.File(name));
        if (!text) {
            state.SkipWithError("a generated file is missing");
            return;
        }
        bytes += text->size();
        files.emplace_back(folder.File(name), std::move(*text));
    }
    for (auto _ : state) {
        for (const auto& [path, text] : files) {
            int error = 0;
            if (platform::ReplaceFile(path, text, error) != platform::ReplaceResult::Ok)
                state.SkipWithError("the save failed");
        }
    }
    state.counters["pins"] = pins;
    state.counters["bytes"] = static_cast<double>(bytes);
}

// The console report, then Generate over Floor by the medians of each size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.args][run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [pins, times] : medians_) {
            auto generate = times.find("Generate");
            auto floor = times.find("Floor");
            if (generate != times.end() && floor != times.end() && floor->second > 0)
                std::printf("Generate/%s over Floor/%s (medians of wall time): %.2f\n", pins.c_str(),
                            pins.c_str(), generate->second / floor->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> medians_;
};

} // namespace

BENCHMARK(Generate)
    ->Arg(190)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->Complexity();
BENCHMARK(Floor)->Arg(190)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond)->Repetitions(7);

int main(int argc, char** argv) {
    // The repetitions of both cases take turns, so a load that comes and goes on the
    // machine weighs on both alike; a flag given on the command line still decides.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
