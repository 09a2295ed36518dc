#include "platform/win32/Win32ShellLinks.h"

#include <shlobj.h>
#include <windows.h>

#include <cwchar>
#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/ProgramFolders.h"
#include "platform/win32/WideNames.h"
#include "platform/win32/WideText.h"
#include "text/AppError.h"

namespace {

// The longest path the system can name, in UTF-16 units with the terminating NUL.
constexpr DWORD kLongestPath = 32768;

const wchar_t* AsWide(const WideText& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

bool IsFile(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file-system path of one of the shell's special folders; empty when the shell names none.
Text SpecialFolder(int csidl) {
    PIDLIST_ABSOLUTE raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &raw)) || !raw) return Text();
    // The shell's allocator is the COM task allocator.
    const CoTaskMemOwner<ITEMIDLIST_ABSOLUTE> list(raw);
    return FileSystemPath(list.get());
}

}  // namespace

Text Win32ShellLinks::DesktopFolder() {
    return SpecialFolder(CSIDL_DESKTOP);
}

Text Win32ShellLinks::SendToFolder() {
    // Send To has lived in the roaming application data since Vista, wherever the desktop is; the shell
    // knows where.
    return SpecialFolder(CSIDL_SENDTO);
}

Text FileSystemPath(PCIDLIST_ABSOLUTE list) {
    // The wide conversion takes a buffer of any size, so a long path is read whole; the ANSI form would stop
    // at MAX_PATH bytes.
    for (DWORD units = MAX_PATH; units <= kLongestPath; units *= 2) {
        std::wstring path(units, L'\0');
        if (SHGetPathFromIDListEx(list, path.data(), units, GPFIDL_DEFAULT)) {
            return FromWide(path.c_str());
        }
    }
    return Text();
}

bool Win32ShellLinks::SaveLink(const Text& linkFile, const LinkSpec& link) {
    ComOwner<IUnknown> object;
    ComOwner<IShellLinkW> shellLink;
    ComOwner<IPersistFile> persist;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IUnknown, object.put())) ||
        FAILED(object.QueryInto(shellLink)) || FAILED(object.QueryInto(persist)))
        throw AppError("ショートカット " + linkFile + " を作成できません");
    // The shell saves a link to a missing target without complaint; it would open nothing.
    if (!IsFile(AsWide(link.target))) return false;
    shellLink->SetPath(AsWide(link.target));
    shellLink->SetArguments(Wide(link.arguments).c_str());
    shellLink->SetWorkingDirectory(AsWide(link.workDir));
    shellLink->SetDescription(Wide(link.description).c_str());
    const std::wstring file = Wide(linkFile);
    return !file.empty() && SUCCEEDED(persist->Save(file.c_str(), FALSE));
}

bool Win32ShellLinks::FileExists(const Text& path) {
    return IsFile(Wide(path).c_str());
}

bool Win32ShellLinks::RemoveFile(const Text& path) {
    const std::wstring file = Wide(path);
    if (DeleteFileW(file.c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

WideText Win32ShellLinks::OwnPath() {
    const std::wstring path = WideProgramPath();
    return WideText(AsWideView(path));
}
