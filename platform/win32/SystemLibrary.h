// Loading a DLL of the system's own, never one of the same name from the program's folder, and finding its
// functions.
#pragma once

#include <windows.h>

#include <string>

// The named DLL from the system folder; null when it is not there. The search flag is taken by Windows 8 on
// and by Windows 7 with its later updates; without them the load names the system folder's copy by its path.
inline HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L'\\' + name).c_str());
}

// The function of that name in module as the type the caller declares; null without module or function.
template <typename Function>
Function LibraryFunction(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}
