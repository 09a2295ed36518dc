// The clipboard's text as a test puts it there and reads it back: the Unicode form as Text, and the code page
// 932 bytes of the narrow form.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/WideText.h"
#include "text/Text.h"

inline void SetClipboardText(const Text& text) {
    const std::wstring wide = Wide(text);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), wide.c_str());
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// The clipboard's format as the units its memory holds, NULs and all; empty when the clipboard cannot be
// opened or holds no such format.
template <typename Unit>
std::basic_string<Unit> ClipboardData(UINT format) {
    std::basic_string<Unit> units;
    if (!OpenClipboard(nullptr)) return units;
    if (HANDLE data = GetClipboardData(format)) {
        if (const Unit* start = static_cast<const Unit*>(GlobalLock(data))) {
            units.assign(start, GlobalSize(data) / sizeof(Unit));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return units;
}

// The same up to the first NUL.
template <typename Unit>
std::basic_string<Unit> ClipboardUnits(UINT format) {
    const std::basic_string<Unit> units = ClipboardData<Unit>(format);
    return units.substr(0, units.find(Unit{}));
}

// CF_UNICODETEXT.
inline Text ClipboardText() {
    return FromWide(ClipboardUnits<wchar_t>(CF_UNICODETEXT));
}

// CF_TEXT, the code page 932 bytes.
inline std::string ClipboardShiftJis() {
    return ClipboardUnits<char>(CF_TEXT);
}
