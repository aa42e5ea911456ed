// Time from process start to the first painted frame, and peak memory, of Caddora beside a
// bare Qt dialog. Every measured run is a fresh process of a program of its own: the bare
// dialog (bare_dialog, linking Qt Widgets only) or Caddora's own main (caddora_probe); both
// carry the same small probe (FirstFrameProbe.cpp) that reports the first frame. Caddora runs
// in two states: its first run (an empty home: no settings, no club table) and the steady
// state (the settings and the 14-club Clubs.dat that an earlier run left). The three kinds
// of run take turns, so that a busy moment of the machine falls on all of them alike.
//
// Reported for each state, as ratios to the bare dialog's medians: wall time and processor
// time to the first frame, and peak resident memory. The goal is at most 1.3 for both times
// and 1.2 for memory; the label says whether every ratio meets it. Offscreen always, and on
// the X11 platform (xcb) too when DISPLAY names a display.
#include "StartRuns.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace start_runs;

constexpr int kStartRounds = 21;
constexpr double kTimeGoal = 1.3;
constexpr double kMemoryGoal = 1.2;

struct Medians {
    double wallMs, cpuMs, peakKib;
};

Medians MediansOf(const std::vector<Sample>& samples) {
    std::vector<double> wall, cpu, peak;
    for (const Sample& s : samples) {
        wall.push_back(s.wallMs);
        cpu.push_back(s.cpuMs);
        peak.push_back(s.peakKib);
    }
    return {Median(wall), Median(cpu), Median(peak)};
}

void BM_StartToFirstFrame(benchmark::State& state, const std::string& platform) {
    const fs::path dir = ThisDirectory();
    const fs::path bare = dir / "bare_dialog";
    const fs::path caddora = dir / "caddora_probe";
    const fs::path root = MakeRoot();
    if (root.empty()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::string error;
    int firstRuns = 0;
    auto firstRun = [&]() -> std::optional<Sample> {
        const fs::path home = MakeHome(root, "first" + std::to_string(firstRuns++));
        auto sample = RunToFirstFrame(caddora, home, platform, error);
        fs::remove_all(home);
        return sample;
    };
    // The steady home's settings and table are the ones its first, unmeasured run left.
    const fs::path steadyHome = MakeHome(root, "steady");
    const bool ready = RunToFirstFrame(caddora, steadyHome, platform, error) &&
                       fs::exists(steadyHome / ".local/share/Holverra/Caddora/Clubs.dat") &&
                       RunToFirstFrame(bare, steadyHome, platform, error) && firstRun();
    if (!ready) {
        fs::remove_all(root);
        state.SkipWithError(error.empty() ? "the steady home got no club table" : error.c_str());
        return;
    }

    std::vector<Sample> bareSamples, firstSamples, steadySamples;
    int round = 0;
    for (auto _ : state) {
        for (int k = 0; k < 3; ++k) {
            std::optional<Sample> sample;
            switch ((round + k) % 3) {
            case 0:
                if ((sample = RunToFirstFrame(bare, steadyHome, platform, error))) {
                    bareSamples.push_back(*sample);
                }
                break;
            case 1:
                if ((sample = firstRun())) {
                    firstSamples.push_back(*sample);
                }
                break;
            default:
                if ((sample = RunToFirstFrame(caddora, steadyHome, platform, error))) {
                    steadySamples.push_back(*sample);
                    state.SetIterationTime(sample->wallMs / 1e3);
                }
                break;
            }
            if (!sample) {
                fs::remove_all(root);
                state.SkipWithError(error.c_str());
                return;
            }
        }
        ++round;
    }
    fs::remove_all(root);

    const Medians b = MediansOf(bareSamples);
    const Medians f = MediansOf(firstSamples);
    const Medians s = MediansOf(steadySamples);
    state.counters["bare_ms"] = b.wallMs;
    state.counters["bare_cpu_ms"] = b.cpuMs;
    state.counters["bare_peak_kib"] = b.peakKib;
    const std::pair<const char*, double> ratios[] = {
        {"first_wall_x", f.wallMs / b.wallMs},  {"first_cpu_x", f.cpuMs / b.cpuMs},
        {"first_mem_x", f.peakKib / b.peakKib}, {"steady_wall_x", s.wallMs / b.wallMs},
        {"steady_cpu_x", s.cpuMs / b.cpuMs},    {"steady_mem_x", s.peakKib / b.peakKib},
    };
    // Each ratio with its goal: time at most 1.3, memory at most 1.2.
    std::string label;
    bool met = true;
    for (const auto& [name, ratio] : ratios) {
        state.counters[name] = ratio;
        const double goal = std::string_view(name).ends_with("mem_x") ? kMemoryGoal : kTimeGoal;
        met = met && ratio <= goal;
        char part[48];
        std::snprintf(part, sizeof part, "%s%s %.2f<=%.1f", label.empty() ? "" : " ", name, ratio,
                      goal);
        label += part;
    }
    label += met ? ": met" : ": missed";
    state.SetLabel(label.c_str());
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    auto add = [](const std::string& platform) {
        benchmark::RegisterBenchmark(("StartToFirstFrame/" + platform).c_str(),
                                     BM_StartToFirstFrame, platform)
            ->UseManualTime()
            ->Iterations(kStartRounds)
            ->Unit(benchmark::kMillisecond);
    };
    add("offscreen");
    if (const char* display = std::getenv("DISPLAY"); display != nullptr && *display != '\0') {
        add("xcb");
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
