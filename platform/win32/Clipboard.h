// Putting the program's text on the clipboard.
#pragma once

#include <windows.h>

#include "text/Text.h"

// Replaces the clipboard's content by text: CF_UNICODETEXT the text itself in UTF-16, CF_TEXT its code page
// 932 form (a character the code page cannot hold as "?") and CF_LOCALE Japanese, so that a program reading
// the narrow form decodes it as Shift_JIS whatever the keyboard language. Another program may hold the
// clipboard for a moment: opening is retried for about a second. False when it could not be opened, or a
// format could not be placed.
bool PutTextOnClipboard(HWND owner, const Text& text);

// The same for the text window holds: read in UTF-16 straight into the clipboard's memory, which spares a
// text of tens of megabytes more copies of itself.
bool PutWindowTextOnClipboard(HWND owner, HWND window);
