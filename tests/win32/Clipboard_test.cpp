// The clipboard copy against the real clipboard: the formats every program pastes from, and a clipboard that
// another owner holds.
#include "platform/win32/Clipboard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "platform/win32/WideText.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/ClipboardText.h"

namespace {

std::string UntilNul(std::string data) {
    return data.substr(0, data.find('\0'));
}

// Another thread holds the clipboard open, as another program would, until released.
class ClipboardHolder {
public:
    ClipboardHolder() {
        thread_ = std::thread([this] {
            opened_ = OpenClipboard(nullptr) != FALSE;
            held_ = true;
            while (!release_)
                Sleep(10);
            if (opened_) CloseClipboard();
        });
        while (!held_)
            Sleep(1);
    }
    ~ClipboardHolder() { Release(); }
    void Release() {
        release_ = true;
        if (thread_.joinable()) thread_.join();
    }
    bool Opened() const { return opened_; }

private:
    std::atomic<bool> held_{false}, release_{false}, opened_{false};
    std::thread thread_;
};

// A window to open the clipboard with: it is held per window, and two openers without one count as the same.
class OwnerWindow {
public:
    OwnerWindow()
        : hwnd_(CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~OwnerWindow() { DestroyWindow(hwnd_); }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST(Clipboard, PlacesCodePageBytesJapaneseLocaleAndTheirUnicodeForm) {
    const Text text = "表示ソ\r\nｶﾅ abc\r\n";
    OwnerWindow owner;
    ASSERT_TRUE(PutTextOnClipboard(owner.Get(), text));

    EXPECT_EQ(UntilNul(ClipboardData<char>(CF_TEXT)), "\x95\x5C\x8E\xA6\x83\x5C\r\n\xB6\xC5 abc\r\n");
    const std::wstring wide = ClipboardData<wchar_t>(CF_UNICODETEXT);
    EXPECT_EQ(wide.substr(0, wide.find(L'\0')), L"表示ソ\r\nｶﾅ abc\r\n");
    const std::string locale = ClipboardData<char>(CF_LOCALE);
    ASSERT_GE(locale.size(), sizeof(LCID));
    EXPECT_EQ(PRIMARYLANGID(LANGIDFROMLCID(*reinterpret_cast<const LCID*>(locale.data()))), LANG_JAPANESE);
}

// The Unicode form is the text itself; the narrow form holds "?" for each character code page 932 cannot
// hold, and a character it holds twice in the one form the system writes. A text and a window holding the
// same text give the same forms.
TEST(Clipboard, UnicodeFormIsTheTextAndTheCodePageFormMarksWhatItCannotHold) {
    struct Case {
        const wchar_t* text;
        const char* narrow;
    };
    const Case cases[] = {
        {L"", ""},
        {L"abc", "abc"},
        {L"表示\r\n\u2252\u2160\u00A5\u00E9\u301C x\r\n\t\uFF76",
         "\x95\x5C\x8E\xA6\r\n\x81\xE0\x87\x54??? x\r\n\t\xB6"},
        {L"\uD55C\uAD6D\uC5B4.txt", "???.txt"},
    };
    OwnerWindow owner;
    HWND edit = CreateWindowW(L"EDIT", L"", ES_MULTILINE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    for (const Case& c : cases) {
        SetWindowTextW(edit, c.text);
        for (const bool fromWindow : {false, true}) {
            ASSERT_TRUE(fromWindow ? PutWindowTextOnClipboard(owner.Get(), edit)
                                   : PutTextOnClipboard(owner.Get(), FromWide(c.text)));
            EXPECT_EQ(UntilNul(ClipboardData<char>(CF_TEXT)), c.narrow) << fromWindow;
            const std::wstring wide = ClipboardData<wchar_t>(CF_UNICODETEXT);
            EXPECT_EQ(wide.substr(0, wide.find(L'\0')), c.text) << fromWindow;
        }
    }
    DestroyWindow(edit);
}

TEST(Clipboard, HeldByAnotherOwnerFailsAndKeepsItsContentButWaitsForAShortHold) {
    OwnerWindow owner;
    ASSERT_TRUE(PutTextOnClipboard(owner.Get(), "before"));
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Opened());
        EXPECT_FALSE(PutTextOnClipboard(owner.Get(), "after"));
    }
    EXPECT_EQ(UntilNul(ClipboardData<char>(CF_TEXT)), "before");

    ClipboardHolder brief;
    std::thread releaser([&] {
        Sleep(200);
        brief.Release();
    });
    EXPECT_TRUE(PutTextOnClipboard(owner.Get(), "after"));
    releaser.join();
    EXPECT_EQ(UntilNul(ClipboardData<char>(CF_TEXT)), "after");
}

TEST(Clipboard, MainWindowTellsTheUserWhenTheCopyFails) {
    MessageLoop loop;
    Services services;
    TForm1 form(loop, services.ForMainWindow());
    ASSERT_TRUE(form.Create(GetModuleHandleW(nullptr)));
    form.TextArea().AppendLine("line");

    BoxAnswerer answerer;
    {
        ClipboardHolder holder;
        form.TextArea().CopyAllText();
    }
    EXPECT_TRUE(form.TextArea().ClipboardCopyFailed());
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "情報");

    form.TextArea().CopyAllText();
    EXPECT_FALSE(form.TextArea().ClipboardCopyFailed());
    EXPECT_EQ(UntilNul(ClipboardData<char>(CF_TEXT)), "line\r\n");
}

}  // namespace
