#include "platform/win32/ProgramFolders.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "platform/win32/WideNames.h"
#include "text/PathPieces.h"

namespace {

// The longest path the system can name, in UTF-16 units.
constexpr DWORD kLongestPath = 32768;

// The ANSI form of a wide path; empty when a character has none.
Text Narrow(const std::wstring& wide) {
    if (wide.empty()) return Text();
    BOOL lossy = FALSE;
    const int length = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lossy);
    if (bytes <= 0 || lossy) return Text();
    Text text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, text.data(), bytes, nullptr,
                        nullptr);
    return text;
}

std::wstring ShortForm(const std::wstring& path) {
    const DWORD units = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (units == 0) return std::wstring();
    std::wstring shortPath(units, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), units);
    shortPath.resize(length < units ? length : 0);
    return shortPath;
}

}  // namespace

std::wstring WideProgramPath() {
    // The system cuts the name to the buffer without saying how long it is: grow until it fits.
    for (DWORD size = MAX_PATH;; size *= 2) {
        std::wstring buffer(size, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) return std::wstring();
        if (length < size) return buffer.substr(0, length);
        if (size >= kLongestPath) return std::wstring();
    }
}

Text ProgramPath() {
    NameSubstitutions substituted;
    return AnsiPath(WideProgramPath(), substituted);
}

Text ProgramFolder() {
    Text folder = PathDirectory(ProgramPath());
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

Text ApplicationDataFolder() {
    PWSTR raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &raw);
    const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> owned(raw, &CoTaskMemFree);
    if (FAILED(result) || !raw) return Text();
    const std::wstring wide(raw);
    const Text path = Narrow(wide);
    return path.empty() ? Narrow(ShortForm(wide)) : path;
}
