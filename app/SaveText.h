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

// Creates or replaces the file with exactly these bytes, whole or not at all (SaveFile): a failure raises
// AppError naming the file and the reason, and leaves the file that was there as it was.
void SaveBytes(const Text& path, const std::string& bytes);
