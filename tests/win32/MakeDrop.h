// An HDROP built in memory as the shell builds it for WM_DROPFILES: a DROPFILES header, then the names in
// UTF-16, each ended by a NUL, and one more NUL. The receiver releases it with DragFinish.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "platform/Encoding.h"

inline HDROP MakeDrop(const std::vector<Text>& names) {
    std::vector<WideText> wide;
    std::size_t units = 1;
    for (const Text& name : names) {
        wide.push_back(TextToWide(name));
        units += wide.back().size() + 1;
    }
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + units * 2);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* at = reinterpret_cast<char16_t*>(header + 1);
    for (const WideText& name : wide) {
        std::memcpy(at, name.data(), name.size() * sizeof(char16_t));
        at += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
