// Saving the text area's text: the save dialog, and writing the file in the encoding chosen there.
#pragma once

#include <windows.h>

#include "app/SaveEncoding.h"
#include "text/Text.h"

// What the save dialog gave: the file's name (empty when the user cancels) and the encoding its type list
// chose. The two plain types (*.TXT, *.*) save Shift_JIS, as they always have.
struct SaveTarget {
    Text path;
    SaveEncoding encoding = SaveEncoding::ShiftJis;
};

// The save dialog for a text file. Raises AppError "保存するファイル名を受け取れません (<code>)" when the
// dialog itself fails.
SaveTarget AskSaveTarget(HWND owner);

// Creates or replaces the file with exactly these bytes. Raises AppError "ファイル <path> を作成できません"
// when the file cannot be created and "ストリームへの書き込みエラー" when the bytes cannot all be written.
void SaveBytes(const Text& path, const std::string& bytes);
