// Paths between the core's Text and the wide (UTF-16) API: paths go in as the long form where the classic
// rules would cut or change them, and the code page 932 form of a path is made for output only.
#pragma once

#include <windows.h>

#include <cwchar>
#include <string>

#include "platform/NameConversion.h"
#include "text/Text.h"

// UTF-16 in code page 932 through the one conversion boundary, without best-fit look-alikes.
class Win32CodePage : public CodePage {
public:
    bool ToAnsi(WideView s, std::string& out) override;
};

inline WideView AsWideView(const wchar_t* s, std::size_t length) {
    return WideView(reinterpret_cast<const char16_t*>(s), length);
}
inline WideView AsWideView(const std::wstring& s) {
    return AsWideView(s.data(), s.size());
}
// A name field of the API's records (cFileName, cAlternateFileName), up to its NUL.
template <std::size_t N>
WideView NameField(const wchar_t (&field)[N]) {
    return AsWideView(field, wcsnlen(field, N));
}

// The path to hand to the wide API: absolute, in the \\?\ form (\\?\C:\..., \\?\UNC\server\share\...), which
// the classic rules never touch: they would refuse a long path, strip a dot or a space at a name's end, and
// take a name such as aux.c, nul.txt or COM1 for a device, whatever the case, extension or folder. A relative
// path is taken from the current folder (or its drive's); one with the prefix already stays as it is.
std::wstring WidePath(const Text& path);

// Whether the API can be given path: it reads paths up to their first NUL, so a Text holding a NUL would name
// another path.
inline bool Passable(const Text& path) {
    return path.find('\0') == Text::npos;
}

// The absolute form of path, however long, with every name as it stands, device names included; empty when
// it cannot be had.
std::wstring AbsolutePath(const Text& path);

// The path an answer of the wide API gives, without the \\?\ prefix that WidePath may have added.
std::wstring WithoutLongPrefix(std::wstring path);

// A path as code page 932 spells it, as Text: components the code page cannot hold by their short alias
// where they have one it holds, lossy otherwise, each counted in tally once for the names in counted. For
// output only: the lossy form holds "?", a wildcard to the file system.
Text CodePagePath(const std::wstring& path, NameSubstitutions& tally, CountedNames& counted);

// Calls the wide API's path functions that answer the length they wrote, or the size they need when the
// buffer is too small; the whole answer, empty when the call fails.
template <typename Call>
std::wstring WholeAnswer(Call call) {
    std::wstring answer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = call(&answer[0], static_cast<DWORD>(answer.size()));
        if (length == 0) return std::wstring();
        if (length < answer.size()) {
            answer.resize(length);
            return answer;
        }
        answer.resize(length);
    }
}
