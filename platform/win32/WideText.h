// Text (UTF-8) to and from the wide strings the system's W calls take. Every text the program hands the
// system goes through here: the windows are Unicode windows, so no text depends on the system's ANSI code
// page.
#pragma once

#include <cstddef>
#include <cwchar>
#include <string>

#include "platform/Encoding.h"

inline std::wstring Wide(std::string_view text) {
    const WideText wide = TextToWide(text);
    return std::wstring(wide.begin(), wide.end());
}

inline Text FromWide(const wchar_t* wide, std::size_t length) {
    return WideToText(WideView(reinterpret_cast<const char16_t*>(wide), length));
}

inline Text FromWide(const std::wstring& wide) {
    return FromWide(wide.data(), wide.size());
}

// A NUL-terminated wide string.
inline Text FromWide(const wchar_t* wide) {
    return FromWide(wide, std::wcslen(wide));
}
