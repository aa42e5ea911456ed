// A program of the graphical subsystem gets standard handles only when the process that
// starts it hands some over (a pipe, a file); started from a console window it has none, and
// attaches to that console to be read there. A console takes the text as UTF-16, anything
// else as the UTF-8 bytes.
#include "platform/process/StandardStreams.h"

#include "platform/core/Win32Api.h"

#include <string>

namespace {

HANDLE ParentConsole() {
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
            return INVALID_HANDLE_VALUE;
        }
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

HANDLE StreamHandle(DWORD which) {
    const HANDLE given = GetStdHandle(which);
    return given != nullptr && given != INVALID_HANDLE_VALUE ? given : ParentConsole();
}

bool WriteTo(DWORD which, std::string_view text) {
    const HANDLE handle = StreamHandle(which);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const int size = static_cast<int>(text.size());
        std::wstring wide(static_cast<std::size_t>(
                              MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
                          L'\0');
        MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(),
                            static_cast<int>(wide.size()));
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) != FALSE;
    }
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
               FALSE &&
           written == text.size();
}

} // namespace

bool WriteStandardOutput(std::string_view text) {
    return WriteTo(STD_OUTPUT_HANDLE, text);
}

bool WriteStandardError(std::string_view text) {
    return WriteTo(STD_ERROR_HANDLE, text);
}
