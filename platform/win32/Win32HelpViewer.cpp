#include "platform/win32/Win32HelpViewer.h"

#include <shellapi.h>

#include "platform/win32/WideText.h"
#include "platform/win32/Window.h"

bool Win32HelpViewer::FileExists(const Text& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32HelpViewer::ShowHelpFile(const Text& helpFile) {
    WinHelpW(owner_, Wide(helpFile).c_str(), HELP_CONTENTS, 0);
}

bool Win32HelpViewer::OpenPage(const Text& page) {
    const std::wstring file = Wide(page);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // A browser may take long to come up: the shell may finish the start on a thread of its own rather than
    // hold the window up. What fails at once comes back as the result, never as a box of the shell's.
    info.fMask = SEE_MASK_ASYNCOK | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner_;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

void Win32HelpViewer::Inform(const Text& text) {
    ShowInformation(owner_, text);
}
