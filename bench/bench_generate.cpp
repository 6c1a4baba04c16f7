// TPinwright::Generate end to end into a temporary folder, by the size of the model.
#include "core/MainBoard.h"
#include "core/Pinwright.h"
#include "platform/Text.h"
#include "platform/testing/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

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

void Generate(benchmark::State& state) {
    platform::testing::ScriptedPlatform seam;
    char folder[] = "/tmp/pw-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const std::string qpf = std::string(folder) + "/bench.qpf";
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
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(Generate)->Arg(190)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity();

BENCHMARK_MAIN();
