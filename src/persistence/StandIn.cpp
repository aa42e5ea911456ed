// Stand-in implementations; see README.md in this folder.
#include "ClubDataFile.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"
#include "RegistryKey.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

CString g_moduleOverride;

// One store of values per settings home, so that tests in their own temporary homes do
// not see each other's values.
std::map<std::string, std::map<std::u16string, std::map<std::u16string, DWORD>>>& Stores() {
    static std::map<std::string, std::map<std::u16string, std::map<std::u16string, DWORD>>> s;
    return s;
}

std::map<std::u16string, std::map<std::u16string, DWORD>>& Store() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return Stores()[config != nullptr ? config : ""];
}

HKEY OpenHandle() {
    return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(1));
}

std::filesystem::path DataDirectory() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path base =
        data != nullptr && *data != '\0'
            ? std::filesystem::path(data)
            : std::filesystem::path(home != nullptr ? home : "") / ".local/share";
    return base / "Holverra" / "Caddora";
}

} // namespace

CString GetPreferredDataDirectory() {
    return CString::FromUtf8(DataDirectory().string());
}

void RegisterPlatformStringResources() {
    RegisterStringResource(kIdsPreferredDataDirectory, GetPreferredDataDirectory());
}

CString GetModuleFilePath() {
    if (!g_moduleOverride.IsEmpty()) {
        return g_moduleOverride;
    }
    std::error_code ec;
    return CString::FromUtf8(std::filesystem::read_symlink("/proc/self/exe", ec).string());
}

void SetModuleFilePathOverride(const CString& path) {
    g_moduleOverride = path;
}

CRegistryKey::CRegistryKey(HKEY hKeyRoot) : m_hKey(nullptr), m_hKeyRoot(hKeyRoot) {}

CRegistryKey::~CRegistryKey() {
    Close();
}

BOOL CRegistryKey::Open(HKEY /*hKeyParent*/, const CString& strKeyPath) {
    if (Store().count(strKeyPath.Str()) == 0) {
        return FALSE;
    }
    m_hKey = OpenHandle();
    m_strKeyPath = strKeyPath;
    return TRUE;
}

BOOL CRegistryKey::Open(const CString& strKeyPath) {
    return Open(m_hKeyRoot, strKeyPath);
}

BOOL CRegistryKey::Exists(HKEY /*hKeyParent*/, const CString& strKeyPath) {
    return Store().count(strKeyPath.Str()) != 0;
}

BOOL CRegistryKey::Exists(const CString& strKeyPath) {
    return Exists(m_hKeyRoot, strKeyPath);
}

BOOL CRegistryKey::Create(HKEY /*hKeyParent*/, const CString& strKeyPath, DWORD /*dwOptions*/) {
    Store()[strKeyPath.Str()];
    m_hKey = OpenHandle();
    m_strKeyPath = strKeyPath;
    return TRUE;
}

void CRegistryKey::Close() {
    m_hKey = nullptr;
}

BOOL CRegistryKey::ValueExists(const CString& strName) {
    return m_hKey != nullptr && Store()[m_strKeyPath.Str()].count(strName.Str()) != 0;
}

BOOL CRegistryKey::SetStringValue(const CString&, const CString&) {
    return FALSE;
}

BOOL CRegistryKey::GetStringValue(const CString&, CString&) {
    return FALSE;
}

BOOL CRegistryKey::SetDWordValue(const CString& strName, const DWORD& dwValue) {
    if (m_hKey == nullptr) {
        return FALSE;
    }
    Store()[m_strKeyPath.Str()][strName.Str()] = dwValue;
    return TRUE;
}

BOOL CRegistryKey::GetDWordValue(const CString& strName, DWORD& dwValue) {
    if (!ValueExists(strName)) {
        return FALSE;
    }
    dwValue = Store()[m_strKeyPath.Str()][strName.Str()];
    return TRUE;
}

BOOL CRegistryKey::SetObjectValue(const CString&, CObject&) {
    return FALSE;
}

BOOL CRegistryKey::GetObjectValue(const CString&, CObject&) {
    return FALSE;
}

CString GetAppDirectory() {
    const std::string path = GetModuleFilePath().ToUtf8();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? CString() : CString::FromUtf8(path.substr(0, slash + 1));
}

CString GetDataFilePath() {
    const std::filesystem::path preferred = DataDirectory() / "Clubs.dat";
    std::error_code ec;
    if (std::filesystem::exists(preferred, ec)) {
        return CString::FromUtf8(preferred.string());
    }
    return GetAppDirectory() + CString(u"Clubs.dat");
}

BOOL SerializeClubs(CClubList& clubs, UINT nMode) {
    const std::string path = GetDataFilePath().ToUtf8();
    if (nMode == 1) {
        std::ifstream in(path);
        if (!in) {
            return FALSE;
        }
        int count = 0;
        in >> count;
        for (int i = 0; i < count; ++i) {
            auto club = std::make_unique<CGolfClub>();
            std::string name;
            in >> club->m_nClubId >> club->m_nMaleDistance >> club->m_nFemaleDistance;
            in.ignore(1);
            std::getline(in, name);
            if (!in) {
                break;
            }
            club->m_strName = CString::FromUtf8(name);
            clubs.AddTail(std::move(club));
        }
        return TRUE;
    }
    std::ostringstream out;
    out << clubs.GetCount() << '\n';
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        out << club->m_nClubId << ' ' << club->m_nMaleDistance << ' ' << club->m_nFemaleDistance
            << ' ' << club->m_strName.ToUtf8() << '\n';
    }
    for (const std::filesystem::path& target :
         {std::filesystem::path(path), DataDirectory() / "Clubs.dat"}) {
        std::error_code ec;
        std::filesystem::create_directories(target.parent_path(), ec);
        std::ofstream file(target, std::ios::trunc);
        if (file << out.str() && file.flush()) {
            return TRUE;
        }
    }
    return FALSE;
}
