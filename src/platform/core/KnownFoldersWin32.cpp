#include "platform/core/KnownFolders.h"

// The shell's folder API needs the window parts of the Windows API, which Win32Api.h
// leaves out; this file alone sees them.
#include <shlobj.h>

#include "platform/core/Win32Api.h"

#include <string>

namespace {

bool IsAbsolute(const std::u16string& path) {
    const bool drive = path.size() >= 3 && path[1] == u':' && (path[2] == u'\\' || path[2] == u'/');
    const bool share = path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\';
    return drive || share;
}

std::u16string EnvironmentVariable(const wchar_t* name) {
    std::u16string value(MAX_PATH, u'\0');
    for (;;) {
        const DWORD n = ::GetEnvironmentVariableW(name, reinterpret_cast<wchar_t*>(value.data()),
                                                  static_cast<DWORD>(value.size()));
        if (n < value.size()) {
            value.resize(n); // 0 when the variable is not set
            return value;
        }
        value.resize(n); // n counts the terminating null when the buffer was too small
    }
}

// The roaming application data folder. APPDATA names it in every session; when it is set
// to an absolute path it is taken, as XDG_DATA_HOME is elsewhere, so that tests and
// portable set-ups can point the program at another place. Otherwise the shell answers.
std::u16string RoamingAppData() {
    std::u16string dir = EnvironmentVariable(L"APPDATA");
    if (!IsAbsolute(dir)) {
        wchar_t buffer[MAX_PATH] = {};
        if (FAILED(
                ::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
            return {};
        }
        dir = reinterpret_cast<const char16_t*>(buffer);
    }
    while (!dir.empty() && (dir.back() == u'\\' || dir.back() == u'/')) {
        dir.pop_back();
    }
    return dir;
}

} // namespace

CString GetPreferredDataDirectory() {
    return CString(RoamingAppData() + u"\\Holverra\\Caddora");
}

CString GetSettingsPlaceOfAnotherUser() {
    return {};
}

void RegisterPlatformStringResources() {
    RegisterStringResource(kIdsPreferredDataDirectory, GetPreferredDataDirectory());
}
