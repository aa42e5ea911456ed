// Load and save of the club data file, each beside moving the same bytes without the archive,
// in processor time (this thread's user and system time, so that other programs on the
// machine move neither side).
//
// In one iteration the load and its baselines take turns in a rotating order, and each
// sample is taken on its own: the table a load built is deleted outside its timing. Two
// baselines for a load: reading the file in pieces of 4 KiB into one small buffer (raw4k),
// and reading it in one call into a buffer of its size (rawfile). The load is measured in a
// loop in this process (LoadClubFile; LoadClubFileEightBit for the same table with its texts
// in the 8-bit form that other tools may write) and once per fresh process
// (LoadClubFileFresh: this program started anew for every sample, so that the load meets a
// cold heap as the program does at start-up). A save is measured against writing the same
// bytes to a temporary file, flushing it to the disk and renaming it over the target, as a
// save does (rawwrite).
//
// Counters: the medians (µs) and the ratios, each with its goal: load_x_raw4k <= 3 (also
// against rawfile), save_x_raw <= 3, and, once per fresh process, the memory the loaded table
// takes per club against the club's bytes in the file, mem_x_file <= 2. The label says
// whether the goals are met.
#include "club/ClubBook.h"
#include "persistence/ClubDataFile.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
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

constexpr double kLoadGoal = 3.0;
constexpr double kSaveGoal = 3.0;
constexpr double kMemoryGoal = 2.0;
constexpr int kFreshRounds = 15;
constexpr std::string_view kFreshFlag = "--fresh=";

double ThreadSeconds() {
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

template <class F> double TimeIt(F&& f) {
    const double start = ThreadSeconds();
    f();
    return ThreadSeconds() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The program directory and user directories of the benchmark's own, under `root`.
void UseDirectories(const fs::path& root) {
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    RegisterPlatformStringResources();
    SetModuleFilePathOverride(CString::FromUtf8((root / "caddora").string()));
}

// How the texts of a table are written: as a save writes them (UTF-16), or untagged in 8-bit
// characters, as other tools may write the file.
enum class Texts { wide, eightBit };

void PutWord(std::vector<char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>(v >> (8 * i)));
    }
}

// The table's file with every text in the 8-bit form (the texts here are short and ASCII).
std::vector<char> EightBitFile(const CClubList& clubs) {
    std::vector<char> out;
    PutWord(out, 0);
    PutWord(out, static_cast<std::uint32_t>(clubs.GetCount()));
    const auto text = [&](const CString& s) {
        out.push_back(static_cast<char>(s.GetLength()));
        for (char16_t c : s.Str()) {
            out.push_back(static_cast<char>(c));
        }
    };
    const auto date = [&](const COleDateTime& dt) {
        PutWord(out, static_cast<std::uint32_t>(dt.m_status));
        char days[8];
        std::memcpy(days, &dt.m_dt, 8);
        out.insert(out.end(), days, days + 8);
    };
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        PutWord(out, 0);
        PutWord(out, static_cast<std::uint32_t>(club->m_nClubId));
        text(club->m_strExtra);
        PutWord(out, static_cast<std::uint32_t>(club->m_nMaleDistance));
        PutWord(out, static_cast<std::uint32_t>(club->m_nFemaleDistance));
        text(club->m_strName);
        date(club->m_dtCreated);
        date(club->m_dtModified);
    }
    return out;
}

class Sandbox {
public:
    explicit Sandbox(int clubs, Texts texts = Texts::wide) {
        std::string pattern = (fs::temp_directory_path() / "caddora-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_root = pattern;
        UseDirectories(m_root);
        CClubList table;
        BuildClubs(table, clubs);
        if (!SerializeClubs(table, CArchive::store)) {
            std::abort();
        }
        if (texts == Texts::eightBit) {
            const std::vector<char> bytes = EightBitFile(table);
            std::ofstream(DataFile().ToUtf8(), std::ios::binary | std::ios::trunc)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
    ~Sandbox() {
        SetModuleFilePathOverride(CString());
        fs::remove_all(m_root);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const fs::path& Root() const { return m_root; }
    // Where the path rule puts the table (a new one goes to the data directory).
    static CString DataFile() { return GetDataFilePath(); }
    CString RawFile() const { return CString::FromUtf8((m_root / "raw.dat").string()); }

    static void BuildClubs(CClubList& clubs, int count) {
        if (count == 14) {
            BuildDefaultClubs(clubs);
            return;
        }
        for (int id = 1; id <= count; ++id) {
            auto club = std::make_unique<CGolfClub>(id);
            CString name;
            name.Format(u"Club %d", id);
            club->SetName(name);
            club->SetMaleDistance(50 + id % 200);
            club->SetFemaleDistance(40 + id % 180);
            clubs.AddTail(std::move(club));
        }
    }

private:
    fs::path m_root;
};

// The file in pieces of the archive's former buffer size, into one buffer: the floor of a
// loader that reads as the file's layout describes it.
std::size_t RawRead4k(const CString& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        std::abort();
    }
    char buffer[4096];
    std::size_t total = 0;
    for (UINT n = file.Read(buffer, sizeof buffer); n > 0; n = file.Read(buffer, sizeof buffer)) {
        total += n;
    }
    file.Close();
    return total;
}

// The whole file in one call, into a buffer made for it.
std::size_t RawReadWhole(const CString& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        std::abort();
    }
    const auto size = static_cast<std::size_t>(file.GetLength());
    const std::unique_ptr<char[]> buffer(new char[size + 1]);
    std::size_t total = 0;
    for (UINT n = 0;
         (n = file.Read(buffer.get() + total, static_cast<UINT>(size + 1 - total))) > 0;) {
        total += n;
    }
    file.Close();
    benchmark::DoNotOptimize(buffer.get());
    return total;
}

// The bytes written as a save writes them: to a temporary file, flushed to the disk,
// renamed over the target.
void RawWrite(const CString& path, const std::vector<char>& bytes) {
    const CString temp = path + CString(".tmp");
    CFile file;
    if (!file.Open(temp, CFile::modeCreate | CFile::modeWrite)) {
        std::abort();
    }
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Flush();
    file.Close();
    fs::rename(temp.ToUtf8(), path.ToUtf8());
}

void Load(CClubList& clubs) {
    if (!SerializeClubs(clubs, CArchive::load)) {
        std::abort();
    }
}

long long ResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atoll(line.c_str() + 6);
        }
    }
    return -1;
}

// Each ratio with its goal, and whether it is met.
std::string GoalLabel(const std::vector<std::pair<std::string, double>>& ratios) {
    std::string label;
    for (const auto& [name, ratio] : ratios) {
        const double goal = name == "mem_x_file"         ? kMemoryGoal
                            : name.rfind("save", 0) == 0 ? kSaveGoal
                                                         : kLoadGoal;
        char part[96];
        std::snprintf(part, sizeof part, "%s%s %.2f, goal <= %.0f: %s", label.empty() ? "" : "; ",
                      name.c_str(), ratio, goal, ratio <= goal ? "met" : "missed");
        label += part;
    }
    return label;
}

void LoadAgainstRaw(benchmark::State& state, Texts texts) {
    const Sandbox sandbox(static_cast<int>(state.range(0)), texts);
    const CString path = Sandbox::DataFile();
    std::vector<double> load, raw4k, rawFile;
    int turn = 0;
    for (auto _ : state) {
        for (int k = 0; k < 3; ++k) {
            switch ((turn + k) % 3) {
            case 0: {
                CClubList clubs;
                load.push_back(TimeIt([&] { Load(clubs); }));
                break; // the table is deleted here, outside the timing
            }
            case 1:
                raw4k.push_back(TimeIt([&] { RawRead4k(path); }));
                break;
            default:
                rawFile.push_back(TimeIt([&] { RawReadWhole(path); }));
                break;
            }
        }
        ++turn;
        state.SetIterationTime(load.back());
    }
    const double l = Median(load), r = Median(raw4k), w = Median(rawFile);
    state.counters["bytes"] = static_cast<double>(RawRead4k(path));
    state.counters["load_us"] = l * 1e6;
    state.counters["raw4k_us"] = r * 1e6;
    state.counters["rawfile_us"] = w * 1e6;
    state.counters["load_x_raw4k"] = l / r;
    state.counters["load_x_rawfile"] = l / w;
    state.SetLabel(GoalLabel({{"load_x_raw4k", l / r}}));
}

void LoadClubFile(benchmark::State& state) {
    LoadAgainstRaw(state, Texts::wide);
}

// The same table with its texts in the 8-bit form.
void LoadClubFileEightBit(benchmark::State& state) {
    LoadAgainstRaw(state, Texts::eightBit);
}

void SaveClubFile(benchmark::State& state) {
    const Sandbox sandbox(static_cast<int>(state.range(0)));
    CClubList clubs;
    Load(clubs);
    std::ifstream in(Sandbox::DataFile().ToUtf8(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    std::vector<double> save, raw;
    int turn = 0;
    for (auto _ : state) {
        for (int k = 0; k < 2; ++k) {
            if ((turn + k) % 2 == 0) {
                save.push_back(TimeIt([&] {
                    if (!SerializeClubs(clubs, CArchive::store)) {
                        std::abort();
                    }
                }));
            } else {
                raw.push_back(TimeIt([&] { RawWrite(sandbox.RawFile(), bytes); }));
            }
        }
        ++turn;
        state.SetIterationTime(save.back());
    }
    const double s = Median(save), r = Median(raw);
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["save_us"] = s * 1e6;
    state.counters["rawwrite_us"] = r * 1e6;
    state.counters["save_x_raw"] = s / r;
    state.SetLabel(GoalLabel({{"save_x_raw", s / r}}));
}

// ---- One sample in a fresh process -------------------------------------------------------

// Runs in the child: the one operation named, in a process that has done nothing else yet.
int RunFresh(std::string_view what, const char* root) {
    UseDirectories(root);
    const CString path = Sandbox::DataFile();
    double seconds = 0;
    long long growthKib = 0;
    if (what == "load") {
        CClubList clubs;
        const long long before = ResidentKib();
        seconds = TimeIt([&] { Load(clubs); });
        growthKib = ResidentKib() - before;
        std::printf("clubs %d\n", clubs.GetCount());
    } else if (what == "raw4k") {
        seconds = TimeIt([&] { RawRead4k(path); });
    } else if (what == "rawfile") {
        seconds = TimeIt([&] { RawReadWhole(path); });
    } else {
        return 2;
    }
    std::printf("seconds %.9f\ngrowth_kib %lld\n", seconds, growthKib);
    return 0;
}

std::optional<std::map<std::string, double>> SpawnFresh(const std::string& what,
                                                        const fs::path& root) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::string exe = fs::read_symlink("/proc/self/exe").string();
    std::string flag = std::string(kFreshFlag) + what;
    std::string dir = root.string();
    char* argv[] = {exe.data(), flag.data(), dir.data(), nullptr};
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    std::string out;
    char buffer[256];
    for (ssize_t n = 0; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        out.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    std::map<std::string, double> values;
    std::istringstream lines(out);
    std::string key;
    double value = 0;
    while (lines >> key >> value) {
        values[key] = value;
    }
    return values;
}

void LoadClubFileFresh(benchmark::State& state) {
    const Sandbox sandbox(static_cast<int>(state.range(0)));
    const double fileBytes = static_cast<double>(RawRead4k(Sandbox::DataFile()));
    std::vector<double> load, raw4k, rawFile, perClub;
    const char* kinds[] = {"load", "raw4k", "rawfile"};
    int turn = 0;
    for (auto _ : state) {
        for (int k = 0; k < 3; ++k) {
            const std::string what = kinds[(turn + k) % 3];
            const auto values = SpawnFresh(what, sandbox.Root());
            if (!values) {
                state.SkipWithError("a fresh process failed");
                return;
            }
            const double seconds = values->at("seconds");
            if (what == "load") {
                load.push_back(seconds);
                perClub.push_back(values->at("growth_kib") * 1024 / values->at("clubs"));
                state.SetIterationTime(seconds);
            } else {
                (what == "raw4k" ? raw4k : rawFile).push_back(seconds);
            }
        }
        ++turn;
    }
    const double l = Median(load), r = Median(raw4k), w = Median(rawFile);
    const double clubBytes = Median(perClub);
    const double fileBytesPerClub = (fileBytes - 8) / static_cast<double>(state.range(0));
    state.counters["load_us"] = l * 1e6;
    state.counters["raw4k_us"] = r * 1e6;
    state.counters["rawfile_us"] = w * 1e6;
    state.counters["load_x_raw4k"] = l / r;
    state.counters["load_x_rawfile"] = l / w;
    state.counters["club_bytes"] = clubBytes;
    state.counters["file_bytes"] = fileBytesPerClub;
    state.counters["mem_x_file"] = clubBytes / fileBytesPerClub;
    state.SetLabel(
        GoalLabel({{"load_x_raw4k", l / r}, {"mem_x_file", clubBytes / fileBytesPerClub}}));
}

} // namespace

BENCHMARK(LoadClubFile)->Arg(14)->Arg(100000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadClubFileEightBit)
    ->Arg(14)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadClubFileFresh)
    ->Arg(100000)
    ->Iterations(kFreshRounds)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveClubFile)->Arg(14)->Arg(100000)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]).rfind(kFreshFlag, 0) == 0) {
        return RunFresh(std::string_view(argv[1]).substr(kFreshFlag.size()), argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
