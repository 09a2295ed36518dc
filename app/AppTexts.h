// The application's own texts that the main window and start-up show.
#pragma once

#include "text/Text.h"

// The application title: the main window's caption, and the caption of the error report and plain boxes.
inline const Text kAppTitle = "ロミナード";

// Shown when the clipboard stays held by another program.
inline const Text kClipboardBusyMessage =
    "クリップボードを他のプログラムが使用中のため、コピーできませんでした。\r\n"
    "しばらくしてからもう一度お試しください。";
