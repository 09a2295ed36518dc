// The help page that the build puts beside the programs: it is there, it says its character set, and it names
// every button, mode and option of the main, edit and settings windows by the caption the user reads.
#include <gtest/gtest.h>

#include <vector>

#include "app/MainWindow.h"
#include "edit/EditForm.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/ProgramFolders.h"
#include "platform/win32/Win32CaseMapper.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32NameLookup.h"
#include "shell/HelpCommand.h"
#include "shell/SetForm.h"
#include "tests/win32/FileBytes.h"
#include "tests/win32/ShortcutFiles.h"
#include "text/PathPieces.h"

namespace {

// UTF-8 bytes as code page 932 text; empty when they are not UTF-8 or hold a character the code page lacks.
Text Cp932FromUtf8(const Text& utf8) {
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                          static_cast<int>(utf8.size()), nullptr, 0);
    if (units <= 0) return Text();
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), units);
    BOOL lossy = FALSE;
    const int bytes =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), units, nullptr, 0, nullptr, &lossy);
    if (bytes <= 0 || lossy) return Text();
    Text text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), units, text.data(), bytes, nullptr, nullptr);
    return text;
}

// The caption as the user reads it: the access-key marker "&" is an underline, not a character.
Text Shown(const Text& caption) {
    Text shown;
    for (const char c : caption) {
        if (c != '&') shown += c;
    }
    return shown;
}

BOOL CALLBACK CollectCaption(HWND control, LPARAM captions) {
    char kind[32] = {};
    GetClassNameA(control, kind, sizeof kind);
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    // Buttons of every kind (speed buttons, check boxes, radios, group boxes) and labels; the text areas and
    // the status bar hold the user's data, not captions.
    if ((lstrcmpiA(kind, "BUTTON") == 0 || lstrcmpiA(kind, "STATIC") == 0) && text[0])
        reinterpret_cast<std::vector<Text>*>(captions)->push_back(Shown(text));
    return TRUE;
}

std::vector<Text> Captions(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    std::vector<Text> captions{title};
    EnumChildWindows(window, &CollectCaption, reinterpret_cast<LPARAM>(&captions));
    return captions;
}

TEST(HelpPage, NamesEveryCaptionOfTheMainEditAndSettingsWindows) {
    const Text pagePath = HelpPagePath(HelpFilePath(PathDirectory(ProgramPath())));
    const Text bytes = FileBytes(pagePath);
    ASSERT_FALSE(bytes.empty()) << "no help page beside the program: " << pagePath;
    EXPECT_NE(bytes.find("<meta charset=\"utf-8\">"), Text::npos);
    const Text page = Cp932FromUtf8(bytes);
    ASSERT_FALSE(page.empty()) << "the page is not UTF-8 in characters of code page 932";

    ComApartment com;
    MessageLoop loop;
    TForm1 mainForm(loop);
    ASSERT_TRUE(mainForm.Create(GetModuleHandleA(nullptr)));
    Win32CaseMapper cases;
    Win32Collation collation{LetterCase::kCounts};
    TForm3 editForm(mainForm, mainForm.State(), cases, collation, loop);
    ASSERT_TRUE(editForm.Create(GetModuleHandleA(nullptr), mainForm.Handle()));
    TempDesktopShell shell;
    Win32NameLookup lookup;
    bool deskTopSet = false;
    bool sendToSet = false;
    OutputOptions output;
    TForm2 setForm({deskTopSet, sendToSet}, shell, lookup, output, [] {});
    ASSERT_TRUE(setForm.Create(GetModuleHandleA(nullptr), nullptr));

    std::size_t checked = 0;
    for (const HWND window : {mainForm.Handle(), editForm.Handle(), setForm.Handle()}) {
        for (const Text& caption : Captions(window)) {
            EXPECT_NE(page.find(caption), Text::npos) << "the help page does not name " << caption;
            ++checked;
        }
    }
    // 21 in the main window, 15 in the edit window and 16 in the settings window, titles included.
    EXPECT_GE(checked, 51u);
}

}  // namespace
