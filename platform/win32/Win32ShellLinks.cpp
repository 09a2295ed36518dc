#include "platform/win32/Win32ShellLinks.h"

#include <shlobj.h>
#include <windows.h>
#include <wrl/client.h>

#include <memory>
#include <string>

#include "platform/win32/ProgramFolders.h"
#include "text/AppError.h"

using Microsoft::WRL::ComPtr;

namespace {

// The longest path the system can name, in UTF-16 units with the terminating NUL.
constexpr DWORD kLongestPath = 32768;

Text FromWide(const wchar_t* wide) {
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return Text();
    Text text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), bytes, nullptr, nullptr);
    text.pop_back();
    return text;
}

std::wstring ToWide(const Text& text) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (units <= 1) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), units);
    wide.pop_back();
    return wide;
}

// The file-system path of one of the shell's special folders; empty when the shell names none.
Text SpecialFolder(int csidl) {
    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(&allocator))) return Text();
    PIDLIST_ABSOLUTE raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &raw)) || !raw) return Text();
    // The list goes back to the allocator that made it, before the allocator is released.
    const auto free = [&allocator](ITEMIDLIST_ABSOLUTE* list) { allocator->Free(list); };
    const std::unique_ptr<ITEMIDLIST_ABSOLUTE, decltype(free)> list(raw, free);
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
        if (SHGetPathFromIDListEx(list, path.data(), units, GPFIDL_DEFAULT)) return FromWide(path.c_str());
    }
    return Text();
}

bool Win32ShellLinks::SaveLink(const Text& linkFile, const LinkSpec& link) {
    ComPtr<IUnknown> object;
    ComPtr<IShellLinkA> shellLink;
    ComPtr<IPersistFile> persist;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IUnknown, &object)) ||
        FAILED(object.As(&shellLink)) || FAILED(object.As(&persist)))
        throw AppError("ショートカット " + linkFile + " を作成できません");
    shellLink->SetPath(link.target.c_str());
    shellLink->SetArguments(link.arguments.c_str());
    shellLink->SetWorkingDirectory(link.workDir.c_str());
    shellLink->SetDescription(link.description.c_str());
    const std::wstring file = ToWide(linkFile);
    return !file.empty() && SUCCEEDED(persist->Save(file.c_str(), FALSE));
}

bool Win32ShellLinks::FileExists(const Text& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32ShellLinks::RemoveFile(const Text& path) {
    DeleteFileA(path.c_str());
}

Text Win32ShellLinks::OwnPath() {
    return ProgramPath();
}
