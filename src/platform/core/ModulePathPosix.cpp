#include "platform/core/ModulePath.h"

#include "platform/core/FileSystem.h"

#include <string>
#include <unistd.h>

CString GetRealModuleFilePath();

CString GetRealModuleFilePath() {
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) {
        return {};
    }
    buffer.resize(static_cast<std::size_t>(n));
    return PathFromNative(buffer); // byte for byte: any folder name finds its own files
}
