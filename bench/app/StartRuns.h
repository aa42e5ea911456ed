#pragma once
// A measured program run as a fresh process in a home of its own (settings, data and runtime
// directories inside it), on a Qt platform of the caller's choosing: to the first frame its
// probe reports, or to its end. Shared by the start-up benchmarks.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace start_runs {

struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
    double peakKib = 0;
};

// The folder of the running benchmark program, where the measured programs sit beside it.
std::filesystem::path ThisDirectory();
// A new temporary folder for the homes; empty when none could be made.
std::filesystem::path MakeRoot();
std::filesystem::path MakeHome(const std::filesystem::path& root, const std::string& name);

// Runs `program` once in `home` and reads what its probe reports: the wall time from the spawn
// to the first painted frame, the processor time to it, and the peak resident memory.
std::optional<Sample> RunToFirstFrame(const std::filesystem::path& program,
                                      const std::filesystem::path& home,
                                      const std::string& platform, std::string& error);
// Runs `program` with `args` once in `home` to its end, its output thrown away: the wall time
// from the spawn to the end, its processor time and its peak resident memory; nothing when it
// did not end with `exitCode`.
std::optional<Sample> RunToEnd(const std::filesystem::path& program,
                               const std::vector<std::string>& args,
                               const std::filesystem::path& home, const std::string& platform,
                               int exitCode, std::string& error);

double Median(std::vector<double> values);

} // namespace start_runs
