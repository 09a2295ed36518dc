// The application's own texts that the main window and start-up show.
#pragma once

#include "text/Text.h"

// The application title: the main window's caption, and the caption of the error report and plain boxes.
inline const Text kAppTitle = "ロミナード";

// Shown when the clipboard stays held by another program.
inline const Text kClipboardBusyMessage =
    "クリップボードを他のプログラムが使用中のため、コピーできませんでした。\r\n"
    "しばらくしてからもう一度お試しください。";

// Said once at start where the process code page is not 932, which the manifest asks for but Windows 10
// does not grant once the user has switched the system's code page to UTF-8.
inline const Text kCodePageNotice =
    "Windows の「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」が有効です。\r\n"
    "ファイル名と表示、クリップボード、保存するファイルは正しく扱えますが、Data.INI に日本語の値 "
    "(フォント名など) があると正しく読み書きできないことがあります。";
