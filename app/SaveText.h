// Saving the text area's text: the save dialog, and writing the file byte for byte.
#pragma once

#include <windows.h>

#include "text/Text.h"

// The save dialog for a text file (*.TXT, or any); the name chosen, empty when the user cancels. Raises
// AppError "保存するファイル名を受け取れません (<code>)" when the dialog itself fails.
Text AskSaveFileName(HWND owner);

// Creates or replaces the file with exactly the bytes of text (no byte-order mark, line breaks as they are).
// Raises AppError "ファイル <path> を作成できません" when the file cannot be created and
// "ストリームへの書き込みエラー" when the bytes cannot all be written.
void SaveText(const Text& path, const Text& text);
