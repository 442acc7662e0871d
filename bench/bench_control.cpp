// What the Control gauge's model step costs, and what the whole panel costs
// around it, through the panel host's real services (the module linked in and
// attached in-process) and, for comparison, through a minimal panel.
//
//   drennomar_bench_control [benchmark flags]    Google Benchmark figures
//   drennomar_bench_control --steps host|minimal N
//                                                N steps and nothing else, to
//                                                count instructions under
//                                                callgrind (bench/run.sh)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/minimal_panel.h"
#include "host/panel_host.h"
#include "module/gauge_table.h"
#include "panel/module_imports.h"
#include "state/module_state.h"

namespace drennomar::bench {
namespace {

constexpr std::uint64_t kThreeHoursOfFrames = 194400;  // 3 h at 18 Hz

// A rover on the move: drive on under load, temperatures moving, volts shown.
template <typename Panel>
void SetUpDrive(Panel& panel) {
    panel.SetToken(kTokenBatteryVoltage, 24.0);
    panel.SetToken(kTokenBatteryCurrent, 10.0);
    panel.SetToken(kTokenRateMultiplier, 1.0);
    panel.SetToken(kTokenDriveEnable, 1.0);
    panel.SetToken(kTokenDriveLoad, 0.5);
    panel.SetToken(kTokenGroundSpeedFps, 10.0);
    panel.SetNamed(kNamedBattSw, 1.0);
}

void Step() { ControlGauge.gauge_callback(&ControlGauge, PANEL_SERVICE_PRE_UPDATE, 0); }

/// The host with the linked-in module attached and, if asked, every gauge
/// placed once.
struct HostPanel {
    explicit HostPanel(bool place_all) {
        gModuleState = ModuleState{};
        std::string error;
        if (!host.AttachModule(&Linkage, ImportTable, "Drennomar", &error)) {
            std::fprintf(stderr, "attach: %s\n", error.c_str());
            std::exit(1);
        }
        if (place_all) {
            for (const host::GaugeDef& g : host.Gauges()) host.Place(g, {0, 0});
        }
        SetUpDrive(host);
    }
    host::PanelHost host;
};

void BM_ControlStepHost(benchmark::State& state) {
    HostPanel panel(false);
    Step();  // draws the random parameters once
    for (auto _ : state) {
        Step();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ControlStepHost);

void BM_ControlStepMinimalPanel(benchmark::State& state) {
    MinimalPanel panel;
    gModuleState = ModuleState{};
    SetUpDrive(panel);
    Step();
    for (auto _ : state) {
        Step();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ControlStepMinimalPanel);

// One update of every one of the thirteen gauges: gauge callbacks, update
// routines and every element's value, as one frame of a full panel.
void BM_UpdateAllThirteenGauges(benchmark::State& state) {
    HostPanel panel(true);
    panel.host.UpdateAll();
    for (auto _ : state) {
        panel.host.UpdateAll();
    }
}
BENCHMARK(BM_UpdateAllThirteenGauges);

// Three hours at 18 Hz with every gauge placed, headless.
void BM_ThreeHourDrive(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        {
            HostPanel panel(true);
            state.ResumeTiming();
            panel.host.RunFrames(kThreeHoursOfFrames);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ThreeHourDrive)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int RunSteps(const char* panel_kind, long steps) {
    if (std::strcmp(panel_kind, "host") == 0) {
        HostPanel panel(false);
        for (long i = 0; i < steps; ++i) Step();
        return 0;
    }
    if (std::strcmp(panel_kind, "minimal") == 0) {
        MinimalPanel panel;
        gModuleState = ModuleState{};
        SetUpDrive(panel);
        for (long i = 0; i < steps; ++i) Step();
        return 0;
    }
    std::fprintf(stderr, "--steps takes host or minimal\n");
    return 2;
}

}  // namespace drennomar::bench

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--steps") == 0) {
        return drennomar::bench::RunSteps(argv[2], std::atol(argv[3]));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
