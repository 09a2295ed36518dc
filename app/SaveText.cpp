#include "app/SaveText.h"

#include <windows.h>

#include "platform/win32/Handles.h"
#include "text/AppError.h"

void SaveText(const Text& path, const Text& text) {
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw AppError("ファイル " + path + " を作成できません");
    std::size_t written = 0;
    while (written < text.size()) {
        // WriteFile takes at most 4 GiB - 1 a call.
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - written, 1u << 30));
        DWORD done = 0;
        if (!WriteFile(file.Get(), text.data() + written, chunk, &done, nullptr) || done != chunk)
            throw AppError("ストリームへの書き込みエラー");
        written += done;
    }
}
