// The guard of one running copy over this system's own calls: where the copies meet, who may
// meet them, and what holds when the socket cannot be had.
#include "platform/process/OneRunningCopy.h"
#include "platform/process/RaiseSocket.h"

#include "PollLoop.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

namespace {

class OneRunningCopyPosix : public ::testing::Test {
protected:
    OneRunningCopyPosix() {
        m_env.Set("XDG_RUNTIME_DIR", Root() / "run");
        m_env.Set("TMPDIR", Root() / "tmp");
        std::filesystem::create_directory(Root() / "run");
        std::filesystem::create_directory(Root() / "tmp");
    }
    const std::filesystem::path& Root() const { return m_env.Root().Path(); }
    std::string Folder(const std::string& name) const { return (Root() / name).native(); }

    UserEnvironment m_env;
};

TEST_F(OneRunningCopyPosix, OnlyCopiesWithTheSameSettingsMeet) {
    const std::string mine = RaiseSocketPath(Folder("config/Holverra"));
    for (const std::string& same :
         {Folder("config/Holverra/"), Folder("config/x/../Holverra"), Folder("config//Holverra")}) {
        EXPECT_EQ(RaiseSocketPath(same), mine) << same;
    }
    // Two homes whose names differ only in bytes that are no UTF-8 are two homes.
    for (const std::string& other :
         {Folder("config2/Holverra"), std::string("/home/other/.config/Holverra"),
          Folder("caf\xE9/Holverra"), Folder("caf\xE8/Holverra"),
          Folder("caf\xEF\xBF\xBD/Holverra")}) {
        EXPECT_NE(RaiseSocketPath(other), mine) << other;
    }
    EXPECT_NE(RaiseSocketPath(Folder("caf\xE9/Holverra")),
              RaiseSocketPath(Folder("caf\xE8/Holverra")));
}

} // namespace
