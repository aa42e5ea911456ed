// Time from process start to the main dialog's first exposed frame, and the peak memory of
// the process, for the program's own start-up and for a bare Qt dialog with one field and one
// label, reported as ratios. Every measured run is a fresh process of this program (the same
// binary, so both sides load the same libraries), run offscreen in a temporary home with the
// program's directory inside it, so no settings or club file of the user are touched.
#include "app/AdvisorApp.h"
#include "platform/core/ModulePath.h"
#include "platform/ui/CDialog.h"
#include "res/Resources.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr std::string_view kChildFlag = "--first-show=";
constexpr std::string_view kReportFlag = "--report-fd=";
constexpr int kRuns = 15;

std::int64_t SteadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// ---- The measured child process ------------------------------------------------------------

int g_reportFd = -1;

void Report(std::string_view key, long long value) {
    const std::string line = std::string(key) + ' ' + std::to_string(value) + '\n';
    if (write(g_reportFd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        std::perror("report");
    }
}

// The high-water mark of this process's resident set. Unlike ru_maxrss it belongs to the
// image started by exec alone, not to the benchmark process it was forked from.
long long PeakResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::atoll(line.c_str() + 6);
        }
    }
    return -1;
}

// Runs from inside the application object's constructor, before start-up builds anything: a
// zero-interval timer looks at every turn of the event loop whether the modal dialog's window
// is exposed yet. The first time it is, the moment is reported and the dialog ended as the
// player's Cancel would, so start-up and shut-down finish as they always do.
void WatchForFirstShow() {
    auto* timer = new QTimer(QCoreApplication::instance()); // owned by the application
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->windowHandle() == nullptr ||
            !modal->windowHandle()->isExposed()) {
            return;
        }
        Report("shown_ns", SteadyNowNs());
        timer->stop();
        if (CDialog* dlg = CDialog::FromWidget(modal)) {
            dlg->EndDialog(IDCANCEL);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    });
    timer->start();
}

int RunCaddora(int argc, char** argv) {
    // The program's directory is the temporary home's bin/, so Clubs.dat is written there.
    const std::string home = std::getenv("HOME");
    SetModuleFilePathOverride(CString::FromUtf8(home + "/bin/caddora"));
    qAddPreRoutine(WatchForFirstShow);
    // The same entry as the program's main().
    RegisterCaddoraResources();
    return AfxWinMain(theApp, argc, argv);
}

int RunBareDialog(int argc, char** argv) {
    qAddPreRoutine(WatchForFirstShow);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare"));
    dialog.resize(268, 288);
    QLabel label(QStringLiteral("Distance"), &dialog);
    label.move(10, 10);
    QLineEdit field(&dialog);
    field.move(10, 30);
    dialog.exec();
    return 0;
}

int RunChild(std::string_view mode, int argc, char** argv) {
    int result = 0;
    if (mode == "caddora") {
        result = RunCaddora(argc, argv);
    } else if (mode == "bare") {
        result = RunBareDialog(argc, argv);
    } else {
        return 2;
    }
    Report("peak_kib", PeakResidentKib());
    return result;
}

// ---- The benchmark, in the parent process --------------------------------------------------

struct ChildRun {
    double msToShown = 0;
    double peakKib = 0;
};

// Starts a fresh process of this program in `mode`, in a new temporary home, and reads what
// it reports. The clock starts right before the fork.
std::optional<ChildRun> RunChildProcess(const char* mode, std::string& error) {
    namespace fs = std::filesystem;
    std::string homeTemplate = (fs::temp_directory_path() / "caddora-bench-XXXXXX").string();
    if (mkdtemp(homeTemplate.data()) == nullptr) {
        error = "no temporary home";
        return std::nullopt;
    }
    const fs::path home = homeTemplate;
    fs::create_directories(home / "bin");
    fs::create_directories(home / ".config");
    fs::create_directories(home / ".local/share");
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);

    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text = *entry;
        const std::string_view name = text.substr(0, text.find('='));
        if (name != "HOME" && name != "XDG_CONFIG_HOME" && name != "XDG_DATA_HOME" &&
            name != "XDG_RUNTIME_DIR" && name != "QT_QPA_PLATFORM") {
            env.emplace_back(text);
        }
    }
    env.push_back("HOME=" + home.string());
    env.push_back("XDG_CONFIG_HOME=" + (home / ".config").string());
    env.push_back("XDG_DATA_HOME=" + (home / ".local/share").string());
    env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = "no pipe";
        fs::remove_all(home);
        return std::nullopt;
    }
    std::string exe = "/proc/self/exe";
    std::string modeArg = std::string(kChildFlag) + mode;
    std::string reportArg = std::string(kReportFlag) + std::to_string(fds[1]);
    char* argv[] = {exe.data(), modeArg.data(), reportArg.data(), nullptr};

    const std::int64_t startNs = SteadyNowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        fcntl(fds[1], F_SETFD, 0); // the report end stays open across exec
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
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
    const bool waited = pid > 0 && waitpid(pid, &status, 0) == pid;
    fs::remove_all(home);
    if (!waited || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = std::string(mode) + " run failed (status " + std::to_string(status) + ")";
        return std::nullopt;
    }

    long long shownNs = -1;
    long long peakKib = -1;
    std::istringstream lines(reported);
    std::string key;
    long long value = 0;
    while (lines >> key >> value) {
        if (key == "shown_ns") {
            shownNs = value;
        } else if (key == "peak_kib") {
            peakKib = value;
        }
    }
    if (shownNs < 0 || peakKib < 0) {
        error = std::string(mode) + " run never reported its first show and peak";
        return std::nullopt;
    }
    return ChildRun{static_cast<double>(shownNs - startNs) / 1e6, static_cast<double>(peakKib)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Each iteration starts one Caddora process and one bare-dialog process, taking turns at going
// first; the iteration's time is Caddora's. The counters are medians over all iterations.
void BM_StartToFirstShow(benchmark::State& state) {
    std::string error;
    // One unmeasured pair first, so neither side pays for a cold page cache.
    if (!RunChildProcess("caddora", error) || !RunChildProcess("bare", error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::vector<double> caddoraMs, bareMs, caddoraKib, bareKib;
    bool caddoraFirst = true;
    for (auto _ : state) {
        std::optional<ChildRun> caddora, bare;
        if (caddoraFirst) {
            caddora = RunChildProcess("caddora", error);
            bare = caddora ? RunChildProcess("bare", error) : std::nullopt;
        } else {
            bare = RunChildProcess("bare", error);
            caddora = bare ? RunChildProcess("caddora", error) : std::nullopt;
        }
        if (!caddora || !bare) {
            state.SkipWithError(error.c_str());
            return;
        }
        caddoraFirst = !caddoraFirst;
        state.SetIterationTime(caddora->msToShown / 1e3);
        caddoraMs.push_back(caddora->msToShown);
        bareMs.push_back(bare->msToShown);
        caddoraKib.push_back(caddora->peakKib);
        bareKib.push_back(bare->peakKib);
    }
    const double cMs = Median(caddoraMs), bMs = Median(bareMs);
    const double cKib = Median(caddoraKib), bKib = Median(bareKib);
    state.counters["caddora_ms"] = cMs;
    state.counters["bare_ms"] = bMs;
    state.counters["time_ratio"] = cMs / bMs;
    state.counters["caddora_peak_kib"] = cKib;
    state.counters["bare_peak_kib"] = bKib;
    state.counters["memory_ratio"] = cKib / bKib;
}
BENCHMARK(BM_StartToFirstShow)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string_view(argv[1]).rfind(kChildFlag, 0) == 0 &&
        std::string_view(argv[2]).rfind(kReportFlag, 0) == 0) {
        g_reportFd = std::atoi(argv[2] + kReportFlag.size());
        return RunChild(std::string_view(argv[1]).substr(kChildFlag.size()), argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
