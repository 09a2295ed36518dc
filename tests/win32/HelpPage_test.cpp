// The help page that the build puts beside the programs: it is there, it says its character set, and it names
// every button, mode and option of the main, edit and settings windows by the caption the user reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "edit/EditForm.h"
#include "platform/Encoding.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/ProgramFolders.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32CaseMapper.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32NameLookup.h"
#include "shell/HelpCommand.h"
#include "shell/SetForm.h"
#include "tests/win32/FileBytes.h"
#include "tests/win32/ShortcutFiles.h"
#include "text/PathPieces.h"

namespace {

// Whether the bytes are UTF-8 of characters code page 932 holds: a byte that is no UTF-8 becomes U+FFFD,
// which the code page lacks.
bool IsUtf8OfCodePage932(const Text& bytes) {
    std::string shiftJis;
    return TextToShiftJis(bytes, shiftJis);
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
    wchar_t kind[32] = {};
    GetClassNameW(control, kind, 32);
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    // Buttons of every kind (speed buttons, check boxes, radios, group boxes) and labels; the text areas and
    // the status bar hold the user's data, not captions.
    if ((lstrcmpiW(kind, L"BUTTON") == 0 || lstrcmpiW(kind, L"STATIC") == 0) && text[0])
        reinterpret_cast<std::vector<Text>*>(captions)->push_back(Shown(FromWide(text)));
    return TRUE;
}

std::vector<Text> Captions(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    std::vector<Text> captions{FromWide(title)};
    EnumChildWindows(window, &CollectCaption, reinterpret_cast<LPARAM>(&captions));
    return captions;
}

TEST(HelpPage, NamesEveryCaptionOfTheMainEditAndSettingsWindows) {
    const Text pagePath = HelpPagePath(HelpFilePath(PathDirectory(ProgramPath())));
    const Text bytes = FileBytes(pagePath);
    ASSERT_FALSE(bytes.empty()) << "no help page beside the program: " << pagePath;
    EXPECT_NE(bytes.find("<meta charset=\"utf-8\">"), Text::npos);
    ASSERT_TRUE(IsUtf8OfCodePage932(bytes)) << "the page is not UTF-8 in characters of code page 932";
    const Text& page = bytes;

    ComApartment com;
    MessageLoop loop;
    Services services;
    TForm1 mainForm(loop, services.ForMainWindow());
    ASSERT_TRUE(mainForm.Create(GetModuleHandleW(nullptr)));
    Win32CaseMapper cases;
    Win32Collation collation{LetterCase::kCounts};
    TForm3 editForm(mainForm.TextArea(), mainForm.State(), cases, collation, loop);
    ASSERT_TRUE(editForm.Create(GetModuleHandleW(nullptr), mainForm.Handle()));
    TempDesktopShell shell;
    Win32NameLookup lookup;
    bool deskTopSet = false;
    bool sendToSet = false;
    OutputOptions output;
    TForm2 setForm({deskTopSet, sendToSet}, shell, lookup, output, [] {});
    ASSERT_TRUE(setForm.Create(GetModuleHandleW(nullptr), nullptr));

    std::size_t checked = 0;
    for (const HWND window : {mainForm.Handle(), editForm.Handle(), setForm.Handle()}) {
        for (const Text& caption : Captions(window)) {
            EXPECT_NE(page.find(caption), Text::npos) << "the help page does not name " << caption;
            ++checked;
        }
    }
    // 21 in the main window, 15 in the edit window and 17 in the settings window, titles included.
    EXPECT_GE(checked, 51u);
}

}  // namespace
