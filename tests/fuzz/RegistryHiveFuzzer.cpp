// Feeds arbitrary bytes to the registry hive reader. Whatever reads must write out and read
// back to the same text.
#include "platform/core/RegistryHive.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CRegistryHive hive;
    if (!hive.Parse(std::string_view(reinterpret_cast<const char*>(data), size))) {
        return 0;
    }
    const std::string text = hive.Format();
    CRegistryHive again;
    if (!again.Parse(text) || again.Format() != text) {
        std::abort();
    }
    return 0;
}
