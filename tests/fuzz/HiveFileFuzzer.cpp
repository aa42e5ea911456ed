// Feeds arbitrary bytes as the settings file to the registry functions, through the real
// file of a temporary folder: reads never fail hard, a damaged file is set aside byte for
// byte, the settings key can always be made again, and whatever value the writer accepts
// (one made from the input's own bytes) the reader gives back.
#include "fuzz/FuzzSandbox.h"

#include "platform/core/Registry.h"
#include "platform/core/RegistryHive.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char16_t* kKeyPath = u"Software\\Holverra\\Caddora";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzSandbox& sandbox = FuzzSandbox::Get();
    sandbox.Clear();
    const auto hive = sandbox.Config() / "Holverra" / "registry.reg";
    FuzzSandbox::Write(hive, data, size);

    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        DWORD value = 0;
        DWORD bytes = sizeof value;
        RegQueryValueExW(key, u"Gender", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &bytes);
        RegCloseKey(key);
    }
    const auto damaged = FuzzSandbox::Read(hive.string() + ".damaged");
    if (std::filesystem::exists(hive.string() + ".damaged") &&
        damaged != std::vector<std::uint8_t>(data, data + size)) {
        std::abort();
    }
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        std::abort();
    }
    // A value of the input's own making: the first bytes as a name (UTF-16, up to a null),
    // all of them as data, of a type the first byte chooses.
    std::u16string name;
    for (std::size_t i = 0; i + 1 < size && name.size() < 16; i += 2) {
        const auto c = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (c == 0) {
            break;
        }
        name += c;
    }
    const DWORD type = size > 0 ? data[0] % 5 : REG_BINARY;
    if (RegSetValueExW(key, name.c_str(), 0, type, data, static_cast<DWORD>(size)) ==
        ERROR_SUCCESS) {
        std::vector<BYTE> back(size + 2);
        DWORD backType = 0;
        DWORD backSize = static_cast<DWORD>(back.size());
        CRegistryHive written;
        const auto text = FuzzSandbox::Read(hive);
        if (RegQueryValueExW(key, name.c_str(), nullptr, &backType, back.data(), &backSize) !=
                ERROR_SUCCESS ||
            backType != type || backSize != size ||
            (size > 0 && std::memcmp(back.data(), data, size) != 0) ||
            !written.Parse(
                std::string_view(reinterpret_cast<const char*>(text.data()), text.size()))) {
            std::abort();
        }
    }
    RegCloseKey(key);
    return 0;
}
