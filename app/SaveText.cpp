#include "app/SaveText.h"

#include <commdlg.h>

#include <string>

#include "platform/win32/Handles.h"
#include "text/AppError.h"

Text AskSaveFileName(HWND owner) {
    // Room for the longest path the system can name (32767 characters of up to two bytes): a name longer
    // than the buffer would be refused as if the user had cancelled.
    Text file(65536, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "*.TXT(ﾃｷｽﾄﾌｧｲﾙ）\0*.TXT\0*.*(すべてのﾌｧｲﾙ）\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = "TXT";
    dialog.Flags =
        OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dialog)) {
        // Zero is the user's cancel; anything else is the dialog's own failure, which must not pass for one.
        if (const DWORD error = CommDlgExtendedError())
            throw AppError("保存するファイル名を受け取れません (" + std::to_string(error) + ")");
        return Text();
    }
    file.resize(file.find('\0'));
    return file;
}

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
