#include "persistence/RegistryKey.h"

#include "support/UserEnvironment.h"

#include <cstdlib>

#include <gtest/gtest.h>

// The application object's settings key has static storage and is built before the process
// opens its first key; when the process exits with the key still open, the key closes after
// every static object built later than it. The registry's bookkeeping must still be there.
TEST(RegistryKeyAtExit, AKeyStillOpenWhenTheProcessExitsClosesCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // a fresh process: nothing opened before
    const UserEnvironment env;
    EXPECT_EXIT(
        {
            static CRegistryKey key(HKEY_CURRENT_USER);
            if (!key.Create(HKEY_CURRENT_USER, u"Software\\Holverra\\Caddora", 0)) {
                std::exit(2);
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
