#include "StartRuns.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <map>
#include <sstream>
#include <string_view>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace start_runs {

namespace {

namespace fs = std::filesystem;

constexpr int kReportFd = 100; // the probe's report descriptor inside the child

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// This process's environment with the home's places, the platform and the report descriptor
// in place of its own.
std::vector<std::string> Environment(const fs::path& home, const std::string& platform) {
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
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

std::string Failed(const fs::path& program, const std::string& platform, int status) {
    return program.filename().string() + " failed on " + platform + " (status " +
           std::to_string(status) + ")";
}

} // namespace

fs::path ThisDirectory() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

fs::path MakeRoot() {
    std::string rootTemplate = (fs::temp_directory_path() / "caddora-bench-XXXXXX").string();
    return mkdtemp(rootTemplate.data()) != nullptr ? fs::path(rootTemplate) : fs::path();
}

fs::path MakeHome(const fs::path& root, const std::string& name) {
    const fs::path home = root / name;
    fs::create_directories(home / ".config");
    fs::create_directories(home / ".local/share");
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);
    return home;
}

std::optional<Sample> RunToFirstFrame(const fs::path& program, const fs::path& home,
                                      const std::string& platform, std::string& error) {
    std::vector<std::string> env = Environment(home, platform);
    std::vector<char*> envp = Pointers(env);
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
        error = Failed(program, platform, status);
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

std::optional<Sample> RunToEnd(const fs::path& program, const std::vector<std::string>& args,
                               const fs::path& home, const std::string& platform, int exitCode,
                               std::string& error) {
    std::vector<std::string> env = Environment(home, platform);
    std::vector<char*> envp = Pointers(env);
    std::vector<std::string> texts{program.string()};
    texts.insert(texts.end(), args.begin(), args.end());
    std::vector<char*> argv = Pointers(texts);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const long long startNs = MonotonicNs();
    pid_t pid = -1;
    const int spawned =
        posix_spawn(&pid, texts[0].c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    const bool ended = spawned == 0 && wait4(pid, &status, 0, &usage) == pid;
    const long long endNs = MonotonicNs();
    if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != exitCode) {
        error = Failed(program, platform, status);
        return std::nullopt;
    }
    const auto ms = [](const timeval& tv) { return tv.tv_sec * 1e3 + tv.tv_usec / 1e3; };
    return Sample{static_cast<double>(endNs - startNs) / 1e6,
                  ms(usage.ru_utime) + ms(usage.ru_stime), static_cast<double>(usage.ru_maxrss)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace start_runs
