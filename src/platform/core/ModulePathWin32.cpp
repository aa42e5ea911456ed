#include "platform/core/ModulePath.h"

#include "platform/core/Win32Api.h"

#include <string>

CString GetRealModuleFilePath();

CString GetRealModuleFilePath() {
    // MAX_PATH characters first; a program installed deeper than that gets a larger buffer
    // instead of a cut path, whose "directory" would be some other place.
    std::u16string buffer(MAX_PATH, u'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer.data()),
                                             static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return CString(std::move(buffer));
        }
        if (buffer.size() >= 32768) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}
