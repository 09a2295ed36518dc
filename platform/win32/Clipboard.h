// Putting the program's text on the clipboard.
#pragma once

#include <windows.h>

#include "text/Text.h"

// Shown when the clipboard stays held by another program.
inline const Text kClipboardBusyMessage =
    "クリップボードを他のプログラムが使用中のため、コピーできませんでした。\r\n"
    "しばらくしてからもう一度お試しください。";

// Replaces the clipboard's content by text: its own code page 932 bytes as CF_TEXT, CF_LOCALE Japanese, and
// CF_UNICODETEXT converted from code page 932, so that every program pastes the same characters whatever the
// keyboard language. Another program may hold the clipboard for a moment: opening is retried for about a
// second. False when it could not be opened, or a format could not be placed.
bool PutTextOnClipboard(HWND owner, const Text& text);

// The same for the text window holds, as GetWindowTextA gives it: read in UTF-16 straight into the
// clipboard's memory, which spares a text of tens of megabytes two more copies of itself.
bool PutWindowTextOnClipboard(HWND owner, HWND window);
