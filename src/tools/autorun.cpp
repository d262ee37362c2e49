#include "tools/autorun.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win_handles.h"
#include "tools/autorun_command.h"

namespace quenvar {
namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA found{};
    return static_cast<bool>(UniqueFindHandle(FindFirstFileA(path.c_str(), &found)));
}

// RegOpenKeyA never creates the key: a missing Run key means a system whose
// start-up is not ours to invent.
UniqueRegKey OpenRunKey() {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kRunKey, &key) != ERROR_SUCCESS) return {};
    return UniqueRegKey(key);
}

bool DeleteStartupShortcut(const std::string& name) {
    char folder[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, FALSE)) return false;
    const std::string shortcut = std::string(folder) + "\\" + name + ".lnk";
    // A path longer than the ANSI file functions take cannot name a shortcut
    // of ours; such a name is passed over.
    const bool deleted = shortcut.size() < MAX_PATH && DeleteFileA(shortcut.c_str());
    SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA | SHCNF_FLUSH, folder, nullptr);
    return deleted;
}

}  // namespace

bool RegisterAutorun(const std::string& name, const std::string& path) {
    if (!FileExists(path)) return false;
    UniqueRegKey key = OpenRunKey();
    if (!key) return false;
    const std::string command = AutorunCommand(path);
    return RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                          static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}

bool UnregisterAutorun(const std::string& name) {
    bool removed = false;
    if (UniqueRegKey key = OpenRunKey()) removed = RegDeleteValueA(key.Get(), name.c_str()) == ERROR_SUCCESS;
    if (DeleteStartupShortcut(name)) removed = true;
    return removed;
}

}  // namespace quenvar
