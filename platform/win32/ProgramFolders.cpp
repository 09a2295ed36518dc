#include "platform/win32/ProgramFolders.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "text/PathPieces.h"

namespace {

// The longest path the system can name, in UTF-16 units.
constexpr DWORD kLongestPath = 32768;

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
    return FromWide(WideProgramPath());
}

Text ProgramFolder() {
    Text folder = PathDirectory(ProgramPath());
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

Text KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, 0, nullptr, &raw);
    const CoTaskMemOwner<wchar_t> owned(raw);
    if (FAILED(result) || !raw) return Text();
    return FromWide(raw);
}

Text ApplicationDataFolder() {
    return KnownFolder(FOLDERID_RoamingAppData);
}
