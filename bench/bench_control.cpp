// The cost of the Control gauge's model step through a panel's services.
//
//   drennomar_bench_control [benchmark flags]   Google Benchmark, ns per step
//   drennomar_bench_control --steps N           N steps and nothing else, to
//                                               count instructions under
//                                               callgrind (see docs/performance.md)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "bench/minimal_panel.h"
#include "module/gauge_table.h"
#include "state/module_state.h"

namespace drennomar::bench {
namespace {

// A rover on the move: drive on under load, a rate multiplier that makes the
// temperatures move, volts shown.
void SetUpDrive(MinimalPanel& panel) {
    panel.SetToken(kTokenBatteryVoltage, 24.0);
    panel.SetToken(kTokenBatteryCurrent, 10.0);
    panel.SetToken(kTokenRateMultiplier, 1.0);
    panel.SetToken(kTokenDriveEnable, 1.0);
    panel.SetToken(kTokenDriveLoad, 0.5);
    panel.SetToken(TICK18, 100.0);
    panel.SetNamed(kNamedBattSw, 1.0);
}

void Step() { ControlGauge.gauge_callback(&ControlGauge, PANEL_SERVICE_PRE_UPDATE, 0); }

void BM_ControlStepMinimalPanel(benchmark::State& state) {
    MinimalPanel panel;
    gModuleState = ModuleState{};
    SetUpDrive(panel);
    Step();  // draws the random parameters once
    for (auto _ : state) {
        Step();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ControlStepMinimalPanel);

}  // namespace

int RunSteps(long steps) {
    MinimalPanel panel;
    gModuleState = ModuleState{};
    SetUpDrive(panel);
    for (long i = 0; i < steps; ++i) Step();
    return 0;
}

}  // namespace drennomar::bench

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--steps") == 0) {
        return drennomar::bench::RunSteps(std::atol(argv[2]));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
