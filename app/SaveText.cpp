#include "app/SaveText.h"

#include <commdlg.h>

#include <iterator>
#include <string>

#include "app/SaveFile.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileReplacer.h"
#include "text/AppError.h"

namespace {

// The type list, in its order, with the encoding each saves in.
struct FileType {
    const char* name;
    const char* pattern;
    SaveEncoding encoding;
};
constexpr FileType kFileTypes[] = {
    {"*.TXT(ﾃｷｽﾄﾌｧｲﾙ）", "*.TXT", SaveEncoding::ShiftJis},
    {"*.*(すべてのﾌｧｲﾙ）", "*.*", SaveEncoding::ShiftJis},
    {"UTF-8 (BOM 付き)", "*.TXT", SaveEncoding::Utf8WithBom},
    {"UTF-8", "*.TXT", SaveEncoding::Utf8},
    {"UTF-16 LE", "*.TXT", SaveEncoding::Utf16Le},
};

// Pairs of NUL-ended names and patterns, and one more NUL.
std::wstring Filter() {
    std::wstring filter;
    for (const FileType& type : kFileTypes)
        filter += Wide(type.name) + L'\0' + Wide(type.pattern) + L'\0';
    return filter + L'\0';
}

}  // namespace

SaveTarget AskSaveTarget(HWND owner) {
    // Room for the longest path the system can name: a name longer than the buffer would be refused as if
    // the user had cancelled.
    std::wstring file(32768, L'\0');
    const std::wstring filter = Filter();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"TXT";
    dialog.Flags =
        OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&dialog)) {
        // Zero is the user's cancel; anything else is the dialog's own failure, which must not pass for one.
        if (const DWORD error = CommDlgExtendedError())
            throw AppError("保存するファイル名を受け取れません (" + std::to_string(error) + ")");
        return SaveTarget();
    }
    const std::size_t chosen = dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= std::size(kFileTypes)
                                   ? dialog.nFilterIndex - 1
                                   : 0;
    return SaveTarget{FromWide(file.c_str()), kFileTypes[chosen].encoding};
}

void SaveBytes(const Text& path, const std::string& bytes) {
    Win32FileReplacer files;
    SaveFile(files, path, bytes);
}
