// An HDROP built in memory as the shell builds it for WM_DROPFILES: a DROPFILES header, then the ANSI names,
// each ended by a NUL, and one more NUL. The receiver releases it with DragFinish.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "text/Text.h"

inline HDROP MakeDrop(const std::vector<Text>& names) {
    std::size_t bytes = sizeof(DROPFILES) + 1;
    for (const Text& name : names)
        bytes += name.size() + 1;
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* at = reinterpret_cast<char*>(header + 1);
    for (const Text& name : names) {
        std::memcpy(at, name.data(), name.size());
        at += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
