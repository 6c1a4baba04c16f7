// TPinwright::Generate end to end into a temporary folder, by the size of the model,
// beside its floor: the same bytes saved the way the program saves every file
// (temporary file, one write, fsync, rename). Each case runs seven times, the repetitions
// of all cases shuffled together. The end of the report pairs each Generate repetition
// with the floor repetition of its size that ran nearest to it, and gives per size the
// median, min and max of the pairs' ratios, in wall time and in the thread's CPU time,
// and says when they spread too wide to read.
#include "core/MainBoard.h"
#include "core/Pinwright.h"
#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/Text.h"
#include "platform/testing/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
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

// Every call of a case function in the order they ran, by case ("Generate/190"), with
// the iteration count it ran. The first repetition of a case calls it with growing
// counts until one is long enough; every later repetition is one call with that count.
// So the calls with the count a repetition reports are that case's repetitions, in order.
struct CaseCall {
    long order;
    benchmark::IterationCount iterations;
};

class CallLog {
public:
    static CallLog& Get() {
        static CallLog log;
        return log;
    }
    void Add(const char* name, int pins, benchmark::IterationCount iterations) {
        calls_[std::string(name) + "/" + std::to_string(pins)].push_back({next_++, iterations});
    }
    // When each of `count` repetitions of `name` with `iterations` ran, or nothing when
    // the log does not hold exactly that many such calls.
    std::vector<long> Orders(const std::string& name, benchmark::IterationCount iterations,
                             std::size_t count) const {
        std::vector<long> orders;
        auto found = calls_.find(name);
        if (found != calls_.end())
            for (const CaseCall& call : found->second)
                if (call.iterations == iterations)
                    orders.push_back(call.order);
        if (orders.size() != count)
            orders.clear();
        return orders;
    }

private:
    std::map<std::string, std::vector<CaseCall>> calls_;
    long next_ = 0;
};

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
    CallLog::Get().Add("Generate", pins, state.iterations());
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
    CallLog::Get().Add("Floor", pins, state.iterations());
    state.counters["pins"] = pins;
    state.counters["bytes"] = static_cast<double>(bytes);
}

// Pair ratios spread wider than this share of their median are too noisy to read.
constexpr double kReadableSpread = 0.5;

// The median, min and max of some ratios.
struct RatioSpread {
    double median = 0;
    double min = 0;
    double max = 0;
    double Spread() const { return (max - min) / median; }
    // Generate does all the floor does and more, so a median below 1 is noise too.
    bool Readable() const { return median >= 1 && Spread() <= kReadableSpread; }
};

RatioSpread SpreadOf(std::vector<double> ratios) {
    std::sort(ratios.begin(), ratios.end());
    const std::size_t n = ratios.size();
    const double median = n % 2 == 1 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
    return {median, ratios.front(), ratios.back()};
}

// The console report, then Generate over Floor by pairs of repetitions for each size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        std::vector<const Run*> repetitions;
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                repetitions.push_back(&run);
        if (repetitions.empty())
            return;
        const Run& first = *repetitions.front();
        const std::string& size = first.run_name.args;
        std::vector<long> orders = CallLog::Get().Orders(first.run_name.function_name + "/" + size,
                                                         first.iterations, repetitions.size());
        if (orders.empty()) {
            unordered_.push_back(first.run_name.function_name + "/" + size);
            return;
        }
        for (std::size_t i = 0; i < repetitions.size(); ++i)
            turns_[size][first.run_name.function_name].push_back(
                {orders[i], repetitions[i]->GetAdjustedRealTime(), repetitions[i]->GetAdjustedCPUTime()});
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const std::string& name : unordered_)
            std::printf("%s: the order its repetitions ran in is not known; left out of the pairs\n",
                        name.c_str());
        std::printf("\nGenerate over Floor, each Generate repetition paired with the Floor repetition"
                    " that ran nearest to it;\nmedian of the pairs' ratios [min, max]; too noisy to read"
                    " when max - min exceeds %.0f %% of the median:\n",
                    kReadableSpread * 100);
        for (const auto& [size, cases] : turns_) {
            auto generate = cases.find("Generate");
            auto floor = cases.find("Floor");
            if (generate == cases.end() || floor == cases.end())
                continue;
            std::vector<double> wall, cpu;
            for (const Turn& g : generate->second) {
                const Turn* nearest = &floor->second.front();
                for (const Turn& f : floor->second)
                    if (std::labs(f.order - g.order) < std::labs(nearest->order - g.order))
                        nearest = &f;
                if (nearest->wall > 0 && nearest->cpu > 0) {
                    wall.push_back(g.wall / nearest->wall);
                    cpu.push_back(g.cpu / nearest->cpu);
                }
            }
            if (wall.empty())
                continue;
            const RatioSpread w = SpreadOf(wall), c = SpreadOf(cpu);
            std::printf(
                "  %5s pins, %zu pairs: wall time %.2f [%.2f, %.2f], thread CPU time %.2f [%.2f, %.2f]\n",
                size.c_str(), wall.size(), w.median, w.min, w.max, c.median, c.min, c.max);
            for (const auto& [what, ratio] : {std::pair{"wall", w}, std::pair{"CPU", c}})
                if (!ratio.Readable())
                    std::printf("  %5s pins: the %s time ratio is too noisy to read (spread %.0f %% of the "
                                "median%s)\n",
                                size.c_str(), what, ratio.Spread() * 100,
                                ratio.median < 1 ? ", median below 1" : "");
        }
    }

private:
    struct Turn {
        long order;
        double wall;
        double cpu;
    };
    std::map<std::string, std::map<std::string, std::vector<Turn>>> turns_;
    std::vector<std::string> unordered_;
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
    // The repetitions of all cases run shuffled together, so a load that comes and goes
    // on the machine weighs on both sides alike; a flag given on the command line still decides.
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
