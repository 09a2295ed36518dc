// Writes the text area's text to a file, byte for byte.
#pragma once

#include "text/Text.h"

// Creates or replaces the file with exactly the bytes of text (no byte-order mark, line breaks as they are).
// Raises AppError "ファイル <path> を作成できません" when the file cannot be created and
// "ストリームへの書き込みエラー" when the bytes cannot all be written.
void SaveText(const Text& path, const Text& text);
