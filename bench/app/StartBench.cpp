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
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 21;
constexpr int kReportFd = 100; // the probe's report descriptor inside the child
constexpr double kTimeGoal = 1.3;
constexpr double kMemoryGoal = 1.2;

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

fs::path ThisDirectory() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
    double peakKib = 0;
};

// A home of its own for a run: settings, data and runtime directories inside it.
fs::path MakeHome(const fs::path& root, const std::string& name) {
    const fs::path home = root / name;
    fs::create_directories(home / ".config");
    fs::create_directories(home / ".local/share");
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);
    return home;
}

// Runs `program` once in `home` on `platform` and reads what its probe reports.
std::optional<Sample> RunOnce(const fs::path& program, const fs::path& home,
                              const std::string& platform, std::string& error) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text = *entry;
        const std::string_view name = text.substr(0, text.find('='));
        if (name != "HOME" && name != "XDG_CONFIG_HOME" && name != "XDG_DATA_HOME" &&
            name != "XDG_RUNTIME_DIR" && name != "QT_QPA_PLATFORM" &&
            name != "CADDORA_BENCH_REPORT_FD") {
            env.emplace_back(text);
        }
    }
    env.push_back("HOME=" + home.string());
    env.push_back("XDG_CONFIG_HOME=" + (home / ".config").string());
    env.push_back("XDG_DATA_HOME=" + (home / ".local/share").string());
    env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
    env.push_back("QT_QPA_PLATFORM=" + platform);
    env.push_back("CADDORA_BENCH_REPORT_FD=" + std::to_string(kReportFd));
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = "no pipe";
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], kReportFd);
    std::string path = program.string();
    char* argv[] = {path.data(), nullptr};

    const long long startNs = MonotonicNs();
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string reported;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0) {
            reported.append(buffer, static_cast<std::size_t>(got));
        }
    }
    close(fds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        error = program.filename().string() + " failed on " + platform + " (status " +
                std::to_string(status) + ")";
        return std::nullopt;
    }
    std::map<std::string, long long> values;
    std::istringstream lines(reported);
    std::string key;
    long long value = 0;
    while (lines >> key >> value) {
        values[key] = value;
    }
    if (!values.count("shown_ns") || !values.count("shown_cpu_ns") || !values.count("peak_kib")) {
        error = program.filename().string() + " never reported its first frame on " + platform;
        return std::nullopt;
    }
    return Sample{static_cast<double>(values["shown_ns"] - startNs) / 1e6,
                  static_cast<double>(values["shown_cpu_ns"]) / 1e6,
                  static_cast<double>(values["peak_kib"])};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

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
    std::string rootTemplate = (fs::temp_directory_path() / "caddora-bench-XXXXXX").string();
    if (mkdtemp(rootTemplate.data()) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const fs::path root = rootTemplate;
    std::string error;
    int firstRuns = 0;
    auto firstRun = [&]() -> std::optional<Sample> {
        const fs::path home = MakeHome(root, "first" + std::to_string(firstRuns++));
        auto sample = RunOnce(caddora, home, platform, error);
        fs::remove_all(home);
        return sample;
    };
    // The steady home's settings and table are the ones its first, unmeasured run left.
    const fs::path steadyHome = MakeHome(root, "steady");
    const bool ready = RunOnce(caddora, steadyHome, platform, error) &&
                       fs::exists(steadyHome / ".local/share/Holverra/Caddora/Clubs.dat") &&
                       RunOnce(bare, steadyHome, platform, error) && firstRun();
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
                if ((sample = RunOnce(bare, steadyHome, platform, error))) {
                    bareSamples.push_back(*sample);
                }
                break;
            case 1:
                if ((sample = firstRun())) {
                    firstSamples.push_back(*sample);
                }
                break;
            default:
                if ((sample = RunOnce(caddora, steadyHome, platform, error))) {
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
            ->Iterations(kRounds)
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
