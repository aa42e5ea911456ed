// caddora.exe started as a process: what a run leaves in the real registry of the Wine prefix
// (HKEY_CURRENT_USER\Software\Holverra\Caddora) and in the roaming application data folder,
// however the run ends. Each test gives the program a folder of its own to live in and an
// APPDATA of its own, and puts the settings key back as it found it.
// The window part of the Windows API too: the test plays the player in another process.
#include <windows.h>

#include "persistence/ClubDataFile.h"
#include "platform/core/FileSystem.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"
#include "platform/core/Win32Api.h"
#include "support/TemporaryDirectory.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr DWORD kPatienceMs = 30000;
constexpr wchar_t kSettingsKey[] = L"Software\\Holverra\\Caddora";

std::wstring Widen(const std::filesystem::path& path) {
    return path.wstring();
}

// The settings key's two values, read from the registry the program writes.
std::optional<DWORD> StoredValue(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void StoreValue(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof value);
}

class RunningProgram {
public:
    RunningProgram(const std::filesystem::path& program, const std::filesystem::path& appData) {
        std::wstring commandLine = L"\"" + Widen(program) + L"\"";
        // The program's own environment, with APPDATA pointing into the test's folder.
        std::wstring environment;
        for (const wchar_t* entry = GetEnvironmentStringsW(); *entry != 0;
             entry += wcslen(entry) + 1) {
            if (_wcsnicmp(entry, L"APPDATA=", 8) != 0) {
                environment += entry;
                environment += L'\0';
            }
        }
        environment += L"APPDATA=" + Widen(appData) + L'\0';
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        m_started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                   CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr,
                                   &startup, &m_process) != FALSE;
    }
    ~RunningProgram() {
        if (!m_started) {
            return;
        }
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_process.hProcess, 99);
            WaitForSingleObject(m_process.hProcess, kPatienceMs);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The main dialog, once it shows.
    HWND WaitForMainWindow() {
        const DWORD start = GetTickCount();
        while (m_started && GetTickCount() - start < kPatienceMs && Running()) {
            struct Search {
                DWORD pid;
                HWND found;
            } search{m_process.dwProcessId, nullptr};
            EnumWindows(
                [](HWND hWnd, LPARAM lParam) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(lParam);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hWnd, &pid);
                    wchar_t title[32] = {};
                    GetWindowTextW(hWnd, title, 32);
                    if (pid == s->pid && IsWindowVisible(hWnd) &&
                        std::wstring(title) == L"Caddora") {
                        s->found = hWnd;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) {
                return search.found;
            }
            Sleep(50);
        }
        return nullptr;
    }
    bool Running() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    // The exit code, once the program has ended; nothing when it did not end in time.
    std::optional<DWORD> WaitForExit() {
        if (WaitForSingleObject(m_process.hProcess, kPatienceMs) != WAIT_OBJECT_0) {
            return std::nullopt;
        }
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
};

// Keys as the player gives them to the distance field: its thread reads them through the
// dialog's own keyboard handling.
void TypeIntoField(HWND main, const wchar_t* text) {
    const HWND field = GetDlgItem(main, 1000);
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (const wchar_t* c = text; *c != 0; ++c) {
        PostMessageW(field, WM_CHAR, *c, 1);
    }
}

void PressInField(HWND main, UINT vk) {
    const HWND field = GetDlgItem(main, 1000);
    PostMessageW(field, WM_KEYDOWN, vk, 1);
    PostMessageW(field, WM_KEYUP, vk, 0xC0000001);
}

void TapPicture(HWND main, int id) {
    const HWND picture = GetDlgItem(main, id);
    PostMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

std::wstring FieldText(HWND main) {
    wchar_t text[32] = {};
    SendMessageW(GetDlgItem(main, 1000), WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text));
    return text;
}

struct Answer {
    std::optional<DWORD> exitCode;
    std::string out;
    std::string err;
};

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    return text;
}

// The program started with `args` and its standard streams on pipes, run to its end: a run
// that opened a window would never end.
Answer RunToEnd(const std::filesystem::path& program, const std::filesystem::path& appData,
                const std::wstring& args) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out[2] = {};
    HANDLE err[2] = {};
    CreatePipe(&out[0], &out[1], &inherit, 0);
    CreatePipe(&err[0], &err[1], &inherit, 0);
    SetHandleInformation(out[0], HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(err[0], HANDLE_FLAG_INHERIT, 0);
    _wputenv_s(L"APPDATA", Widen(appData).c_str());
    std::wstring commandLine = L"\"" + Widen(program) + L"\" " + args;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out[1];
    startup.hStdError = err[1];
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process) != FALSE;
    CloseHandle(out[1]);
    CloseHandle(err[1]);
    Answer answer;
    if (started && WaitForSingleObject(process.hProcess, kPatienceMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        answer = Answer{code, ReadAll(out[0]), ReadAll(err[0])};
    } else if (started) {
        TerminateProcess(process.hProcess, 99);
    }
    if (started) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out[0]);
    CloseHandle(err[0]);
    return answer;
}

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedDistance = StoredValue(L"LastDistance");
        m_savedGender = StoredValue(L"Gender");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"LastDistance");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Gender");
        // The program lives in a folder of its own, where no data file lies.
        std::filesystem::create_directories(m_root / "bin");
        std::filesystem::copy_file(CADDORA_PROGRAM, Program());
    }
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"LastDistance");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Gender");
        if (m_savedDistance) {
            StoreValue(L"LastDistance", *m_savedDistance);
        }
        if (m_savedGender) {
            StoreValue(L"Gender", *m_savedGender);
        }
    }
    std::filesystem::path Program() const { return m_root / "bin" / "caddora.exe"; }
    std::filesystem::path AppData() const { return m_root / "Roaming"; }
    std::filesystem::path DataFile() const {
        return AppData() / "Holverra" / "Caddora" / "Clubs.dat";
    }
    // The clubs of the data file in the roaming folder, read as the program reads them.
    int ClubsInDataFile() const {
        if (!std::filesystem::exists(DataFile())) {
            return -1;
        }
        _wputenv_s(L"APPDATA", Widen(AppData()).c_str());
        RegisterPlatformStringResources();
        SetModuleFilePathOverride(CString::FromUtf8(Program().string()));
        CClubList clubs;
        const bool loaded = SerializeClubs(clubs, 1) != FALSE;
        SetModuleFilePathOverride(CString());
        const int count = loaded ? clubs.GetCount() : -1;
        clubs.DeleteAll();
        return count;
    }

    TemporaryDirectory m_root;

private:
    std::optional<DWORD> m_savedDistance;
    std::optional<DWORD> m_savedGender;
};

TEST_F(ProgramRun, AFirstRunEndedWithEnterStoresTheDistanceAndTheFourteenClubs) {
    RunningProgram program(Program(), AppData());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the main dialog never showed";
    EXPECT_EQ(FieldText(main), L"100");
    TypeIntoField(main, L"150");
    PressInField(main, VK_RETURN);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(StoredValue(L"LastDistance"), std::optional<DWORD>(150));
    EXPECT_EQ(ClubsInDataFile(), 14);
}

TEST_F(ProgramRun, EscapeLeavesTheStoredDistanceTheRunStartedWith) {
    StoreValue(L"LastDistance", 230);
    StoreValue(L"Gender", 2);
    RunningProgram program(Program(), AppData());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(FieldText(main), L"230");
    TypeIntoField(main, L"400");
    PressInField(main, VK_ESCAPE);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(StoredValue(L"LastDistance"), std::optional<DWORD>(230));
    EXPECT_EQ(StoredValue(L"Gender"), std::optional<DWORD>(2));
    EXPECT_EQ(ClubsInDataFile(), 14);
}

// The session manager's question is the end of the run: every dialog ends as Escape would,
// and start-up and shut-down store what they always store.
TEST_F(ProgramRun, TheEndOfTheDesktopSessionSavesTheRun) {
    RunningProgram program(Program(), AppData());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    TypeIntoField(main, L"180");
    TapPicture(main, 1007); // +10 yd
    const DWORD start = GetTickCount();
    while (FieldText(main) != L"190" && GetTickCount() - start < kPatienceMs) {
        Sleep(20);
    }
    DWORD_PTR answer = 0;
    ASSERT_NE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK,
                                  kPatienceMs, &answer),
              0);
    EXPECT_EQ(answer, TRUE) << "the program lets the session end";
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(StoredValue(L"LastDistance"), std::optional<DWORD>(190));
    EXPECT_EQ(ClubsInDataFile(), 14);
}

TEST_F(ProgramRun, ASecondStartEndsAtOnceAndLeavesTheFirstRunning) {
    RunningProgram first(Program(), AppData());
    const HWND main = first.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    RunningProgram second(Program(), AppData());
    EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>(0)) << "0: the first came to the front";
    EXPECT_TRUE(first.Running());
    EXPECT_FALSE(std::filesystem::exists(DataFile())) << "the second start wrote nothing";
    PressInField(main, VK_ESCAPE);
    EXPECT_EQ(first.WaitForExit(), std::optional<DWORD>(0));
}

} // namespace

TEST_F(ProgramRun, TheCommandLineAnswersOnTheGivenStreamsWithoutAWindowOrAWrite) {
    StoreValue(L"Gender", 2);
    struct Case {
        const wchar_t* args;
        DWORD exitCode;
        const char* out;
        const char* err;
    };
    for (const Case& c :
         {Case{L"--advise 150", 0, "4 Iron\n", ""}, Case{L"--version", 0, "Caddora ", ""},
          Case{L"--advise 40", 2, "", "between 50 and 1000"},
          Case{L"--card card.pdf", 2, "", "Microsoft Print to PDF"},
          Case{L"--yards", 2, "", "Usage: caddora"}}) {
        const Answer answer = RunToEnd(Program(), AppData(), c.args);
        EXPECT_EQ(answer.exitCode, std::optional<DWORD>(c.exitCode)) << answer.err;
        EXPECT_NE(answer.out.find(c.out), std::string::npos) << answer.out;
        EXPECT_NE(answer.err.find(c.err), std::string::npos) << answer.err;
    }
    EXPECT_FALSE(std::filesystem::exists(AppData())) << "no folder and no table was written";
    EXPECT_EQ(StoredValue(L"LastDistance"), std::nullopt);
    EXPECT_EQ(StoredValue(L"Gender"), std::optional<DWORD>(2));
}
