// Load and save of the club data file, each measured beside moving the same bytes without
// the archive: the counter "x_raw" is the club file's time divided by the raw time, both in
// processor time.
#include "club/ClubBook.h"
#include "persistence/ClubDataFile.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Both sides of each ratio are timed in this thread's processor time (user and system), so
// that other programs on the machine do not move the ratio.
struct Clock {
    static double now() {
        timespec ts{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
    }
};

// A program directory and user directories of the benchmark's own.
class Sandbox {
public:
    Sandbox() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "caddora-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_root = pattern;
        ::setenv("XDG_DATA_HOME", (m_root / "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (m_root / "config").c_str(), 1);
        RegisterPlatformStringResources();
        SetModuleFilePathOverride(CString::FromUtf8((m_root / "caddora").string()));
    }
    ~Sandbox() {
        SetModuleFilePathOverride(CString());
        std::filesystem::remove_all(m_root);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // Where the path rule puts the table (a new one goes to the data directory).
    CString DataFile() const { return GetDataFilePath(); }
    CString RawFile() const { return CString::FromUtf8((m_root / "raw.dat").string()); }

private:
    std::filesystem::path m_root;
};

void BuildClubs(CClubList& clubs, int count) {
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

// Reads the whole file in pieces of the archive's buffer size: the floor for any loader.
std::size_t RawRead(const CString& path, std::vector<char>& buffer) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        std::abort();
    }
    std::size_t total = 0;
    for (UINT n = file.Read(buffer.data(), 4096); n > 0; n = file.Read(buffer.data(), 4096)) {
        total += n;
    }
    file.Close();
    return total;
}

// Writes the bytes as a save does: to a temporary file, flushed, renamed over the target.
void RawWrite(const CString& path, const std::vector<char>& bytes) {
    const CString temp = path + CString(".tmp");
    CFile file;
    if (!file.Open(temp, CFile::modeCreate | CFile::modeWrite)) {
        std::abort();
    }
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Flush();
    file.Close();
    std::filesystem::rename(temp.ToUtf8(), path.ToUtf8());
}

template <class F> double MedianSeconds(int repetitions, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back((Clock::now() - start));
    }
    std::nth_element(times.begin(), times.begin() + repetitions / 2, times.end());
    return times[static_cast<std::size_t>(repetitions / 2)];
}

void LoadClubFile(benchmark::State& state) {
    Sandbox sandbox;
    const int count = static_cast<int>(state.range(0));
    {
        CClubList clubs;
        BuildClubs(clubs, count);
        SerializeClubs(clubs, CArchive::store);
    }
    std::vector<char> buffer(4096);
    double loadSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        CClubList clubs;
        benchmark::DoNotOptimize(SerializeClubs(clubs, CArchive::load));
        loadSeconds += (Clock::now() - start);
        state.PauseTiming();
        clubs.DeleteAll();
        state.ResumeTiming();
    }
    const double raw = MedianSeconds(21, [&] { RawRead(sandbox.DataFile(), buffer); });
    const double perLoad = loadSeconds / static_cast<double>(state.iterations());
    state.counters["bytes"] = static_cast<double>(RawRead(sandbox.DataFile(), buffer));
    state.counters["raw_read_us"] = raw * 1e6;
    state.counters["x_raw"] = perLoad / raw;
}

void SaveClubFile(benchmark::State& state) {
    Sandbox sandbox;
    const int count = static_cast<int>(state.range(0));
    CClubList clubs;
    BuildClubs(clubs, count);
    double saveSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(SerializeClubs(clubs, CArchive::store));
        saveSeconds += (Clock::now() - start);
    }
    std::vector<char> bytes(
        static_cast<std::size_t>(std::filesystem::file_size(sandbox.DataFile().ToUtf8())));
    const double raw = MedianSeconds(11, [&] { RawWrite(sandbox.RawFile(), bytes); });
    const double perSave = saveSeconds / static_cast<double>(state.iterations());
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["raw_write_us"] = raw * 1e6;
    state.counters["x_raw"] = perSave / raw;
}

} // namespace

BENCHMARK(LoadClubFile)->Arg(14)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveClubFile)->Arg(14)->Arg(100000)->Unit(benchmark::kMicrosecond);
