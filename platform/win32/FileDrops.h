// A window that takes files dropped from Explorer, also when the program runs as administrator: the system
// passes the messages of a drag from a lower integrity level (Explorer's) only to a window that allows them.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <initializer_list>

// The message in which the drag's file list travels between processes; the SDK does not name it.
constexpr UINT kCopyGlobalData = 0x0049;

// Registers window for WM_DROPFILES and lets the drag's messages through from lower integrity levels. False
// when the system refused one of them.
inline bool AcceptFileDrops(HWND window) {
    DragAcceptFiles(window, TRUE);
    bool allowed = true;
    for (const UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, kCopyGlobalData})
        allowed = ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr) && allowed;
    return allowed;
}
