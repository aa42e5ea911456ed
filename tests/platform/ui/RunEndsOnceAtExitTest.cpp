#include "platform/ui/CWinApp.h"

#include "support/UserEnvironment.h"


#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

enum class ExitIn { StartUp, ShutDown, AfterTheRun };

// Writes each step of its run to a file, and calls exit() where the case says: from inside
// start-up, as the toolkit does when the display connection is lost, from inside
// shut-down, or once the frame has returned.
class LoggingApp : public CWinApp {
public:
    LoggingApp(std::filesystem::path log, ExitIn exitIn)
        : m_log(std::move(log)), m_exitIn(exitIn) {}

    BOOL InitInstance() override {
        Write("start");
        if (m_exitIn == ExitIn::StartUp) {
            std::exit(3);
        }
        return FALSE;
    }
    void FinishInstanceAtExit() override { Write("finish"); }
    int ExitInstance() override {
        Write(IsEndingSession() ? "shut down, no windows" : "shut down");
        if (m_exitIn == ExitIn::ShutDown) {
            std::exit(3);
        }
        return 0;
    }

private:
    void Write(const char* step) const { std::ofstream(m_log, std::ios::app) << step << '\n'; }

    std::filesystem::path m_log;
    ExitIn m_exitIn;
};

// The frame as the program's main() runs it; an exit code of 3 says the process left
// through the exit() of the case, or through the frame's own end.
[[noreturn]] void RunAndExit(const std::filesystem::path& log, ExitIn exitIn) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "caddora";
    static char* argv[] = {name, nullptr};
    LoggingApp app(log, exitIn);
    const int code = AfxWinMain(app, argc, argv);
    std::exit(code == 0 ? 3 : 4);
}

struct ExitCase {
    const char* name;
    ExitIn exitIn;
    const char* steps;
};

class RunEndsOnceAtExit : public ::testing::TestWithParam<ExitCase> {};

TEST_P(RunEndsOnceAtExit, StartUpFinishesAndShutDownRunsExactlyOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    UserEnvironment env; // the child's own settings too
    // The child runs this body again from the start; it writes where the parent reads.
    const char* inherited = std::getenv("CADDORA_RUN_STEPS");
    const std::filesystem::path log =
        inherited != nullptr ? std::filesystem::path(inherited) : env.Root().Path() / "steps";
    env.Set("CADDORA_RUN_STEPS", log);
    const ExitCase& c = GetParam();
    EXPECT_EXIT(RunAndExit(log, c.exitIn), ::testing::ExitedWithCode(3), "");
    std::ifstream in(log);
    std::stringstream steps;
    steps << in.rdbuf();
    EXPECT_EQ(steps.str(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Where, RunEndsOnceAtExit,
    ::testing::Values(ExitCase{"InsideStartUp", ExitIn::StartUp,
                               "start\nfinish\nshut down, no windows\n"},
                      ExitCase{"InsideShutDown", ExitIn::ShutDown, "start\nshut down\n"},
                      ExitCase{"AfterTheRun", ExitIn::AfterTheRun, "start\nshut down\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
