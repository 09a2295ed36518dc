// How the file system and the file manager compare names, and the environment's folders.
#include <windows.h>

#include <shlwapi.h>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileSystem.h"

// The file manager's own matcher: "*" and "?", letter case ignored by the system's upper-case table, which
// folds full-width letters too but never makes a full-width letter equal to a half-width one.
bool Win32FileSystem::MatchesAny(const Text& name, const Text& patterns) {
    if (patterns.empty()) return false;
    if (patterns != patterns_) {
        patterns_ = patterns;
        widePatterns_ = Wide(patterns);
    }
    return PathMatchSpecExW(Wide(name).c_str(), widePatterns_.c_str(), PMSF_MULTIPLE) == S_OK;
}

// The comparison the file system makes of names: code unit by code unit through its upper-case table, with
// no locale's ideas of equal characters.
bool Win32FileSystem::SameName(const Text& a, const Text& b) {
    const std::wstring wideA = Wide(a);
    const std::wstring wideB = Wide(b);
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

Text Win32FileSystem::EnvironmentValue(const Text& name) {
    const std::wstring wideName = Wide(name);
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) return Text();
        // Too small, the call answers the size it needs, its NUL included.
        if (length < value.size()) return FromWide(value.data(), length);
        value.resize(length);
    }
}
