#pragma once
// A path of the file system as the platform layer's text.
#include "platform/core/CString.h"

#include <filesystem>

inline CString PathText(const std::filesystem::path& path) {
    return CString(path.u16string());
}
