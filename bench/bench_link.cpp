// Moving the whole 64 MB memory through the board link against the simulated board.
#include "control_panel/link/BoardLink.h"
#include "control_panel/link/BoardProtocol.h"
#include "platform/testing/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <numeric>
#include <optional>
#include <vector>

namespace {

constexpr uint32_t MEMORY_SIZE = 64u << 20;

// The simulated vendor tree, connected once for all benchmarks.
struct SimulatedBoard {
    SimulatedBoard() {
        setenv("QUARTUS_ROOTDIR", BOARDSIM_ROOT, 1);
        for (const char* hook : {"BOARDSIM_LOG", "BOARDSIM_STATE", "BOARDSIM_FAULT", "BOARDSIM_CABLE"})
            unsetenv(hook);
        link.emplace();
        connected = link->Open();
        data.resize(MEMORY_SIZE);
        std::iota(data.begin(), data.end(), uint8_t{0});
    }
    platform::testing::ScriptedPlatform seam;
    std::optional<CBoardLink> link;
    bool connected = false;
    std::vector<uint8_t> data;
};

SimulatedBoard& Board() {
    static SimulatedBoard board;
    return board;
}

void BM_WriteMemory(benchmark::State& state) {
    SimulatedBoard& board = Board();
    if (!board.connected) {
        state.SkipWithError("no simulated board");
        return;
    }
    for (auto _ : state)
        if (!board.link->WriteMemory(MEMORY_ID_SDRAM, 0, board.data.data(), MEMORY_SIZE))
            state.SkipWithError("write failed");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * MEMORY_SIZE);
}

void BM_ReadMemory(benchmark::State& state) {
    SimulatedBoard& board = Board();
    if (!board.connected) {
        state.SkipWithError("no simulated board");
        return;
    }
    std::vector<uint8_t> back(MEMORY_SIZE);
    for (auto _ : state)
        if (!board.link->ReadMemory(MEMORY_ID_SDRAM, 0, back.data(), MEMORY_SIZE))
            state.SkipWithError("read failed");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * MEMORY_SIZE);
}

} // namespace

BENCHMARK(BM_WriteMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMemory)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
