// Time from the spawn to the end of Caddora's commands that need no window (--advise 150,
// --help, --version) beside the time a bare Qt dialog takes from its spawn to its first
// painted frame (bare_dialog with the first-frame probe, as in StartToFirstFrame). Every
// sample is a fresh process in a home of its own: --advise in a home whose settings and
// 14-club Clubs.dat an earlier, unmeasured run of Caddora left, --help and --version each in a
// new empty one. The four kinds take turns, so that a busy moment of the machine falls on all
// of them alike.
//
// Reported: each command's median wall time as a ratio to the bare dialog's median. The goal
// is at most 0.5 for each; the label says whether all three meet it. Offscreen: the commands
// start no toolkit, and the dialog's platform is the one the start-up benchmark uses.
#include "StartRuns.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace start_runs;

constexpr int kCommandRounds = 21;
constexpr double kGoal = 0.5;

struct Command {
    const char* name;
    std::vector<std::string> args;
};

const Command kCommands[] = {
    {"advise", {"--advise", "150"}},
    {"help", {"--help"}},
    {"version", {"--version"}},
};

// The wall times of one kind of run.
using Times = std::vector<double>;

std::string Label(double bareMs, const Times (&commandMs)[3], benchmark::State& state) {
    std::string label;
    bool met = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const double ms = Median(commandMs[i]);
        const double ratio = ms / bareMs;
        state.counters[std::string(kCommands[i].name) + "_ms"] = ms;
        state.counters[std::string(kCommands[i].name) + "_x"] = ratio;
        met = met && ratio <= kGoal;
        char part[48];
        std::snprintf(part, sizeof part, "%s%s_x %.2f<=%.1f", label.empty() ? "" : " ",
                      kCommands[i].name, ratio, kGoal);
        label += part;
    }
    return label + (met ? ": met" : ": missed");
}

void BM_CommandLineAnswer(benchmark::State& state) {
    const fs::path bare = ThisDirectory() / "bare_dialog";
    const fs::path caddora = CADDORA_PROGRAM;
    const fs::path root = MakeRoot();
    if (root.empty()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::string error;
    // The player's home: what a first run of the program leaves there.
    const fs::path steadyHome = MakeHome(root, "steady");
    const bool ready =
        RunToFirstFrame(ThisDirectory() / "caddora_probe", steadyHome, "offscreen", error) &&
        fs::exists(steadyHome / ".local/share/Holverra/Caddora/Clubs.dat");
    if (!ready) {
        fs::remove_all(root);
        state.SkipWithError(error.empty() ? "the player's home got no club table" : error.c_str());
        return;
    }
    Times bareMs;
    Times commandMs[3];
    int round = 0;
    int homes = 0;
    for (auto _ : state) {
        for (int k = 0; k < 4; ++k) {
            const int kind = (round + k) % 4;
            std::optional<Sample> sample;
            if (kind == 3) {
                sample = RunToFirstFrame(bare, steadyHome, "offscreen", error);
            } else {
                const fs::path home =
                    kind == 0 ? steadyHome : MakeHome(root, "empty" + std::to_string(homes++));
                sample = RunToEnd(caddora, kCommands[kind].args, home, "offscreen", 0, error);
            }
            if (!sample) {
                fs::remove_all(root);
                state.SkipWithError(error.c_str());
                return;
            }
            (kind == 3 ? bareMs : commandMs[kind]).push_back(sample->wallMs);
            if (kind == 0) {
                state.SetIterationTime(sample->wallMs / 1e3);
            }
        }
        ++round;
    }
    fs::remove_all(root);
    state.counters["bare_ms"] = Median(bareMs);
    state.SetLabel(Label(Median(bareMs), commandMs, state));
}

} // namespace

BENCHMARK(BM_CommandLineAnswer)
    ->UseManualTime()
    ->Iterations(kCommandRounds)
    ->Unit(benchmark::kMillisecond);
