// Text appended as it stands to the real text area: behind a line break as it is, else on a line of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/ClipboardText.h"
#include "tests/win32/MakeDrop.h"
#include "tests/win32/TempTree.h"
#include "text/ErrorText.h"

namespace {

TEST(TextAreaAppendText, StartsOnALineOfItsOwnAndKeepsItsBytes) {
    MessageLoop loop;
    Services services;
    TForm1 form{loop, services.ForMainWindow()};
    ASSERT_TRUE(form.Create(GetModuleHandleW(nullptr)));
    form.TextArea().AppendText("\"表/a b\"\tソ");
    EXPECT_EQ(form.TextArea().MemoText(), "\"表/a b\"\tソ");
    form.TextArea().AppendText("能,x\r\n");
    EXPECT_EQ(form.TextArea().MemoText(), "\"表/a b\"\tソ\r\n能,x\r\n");
    form.TextArea().AppendText("y");
    form.TextArea().AppendText("");
    EXPECT_EQ(form.TextArea().MemoText(), "\"表/a b\"\tソ\r\n能,x\r\ny");
    form.TextArea().AppendLines({"z"});
    EXPECT_EQ(form.TextArea().MemoText(), "\"表/a b\"\tソ\r\n能,x\r\ny\r\nz");
}

// A block of lines goes in as AppendLines would put its lines: behind a break as it is, else each line behind
// a break of its own and the last without one.
TEST(TextAreaAppendText, LineBlockAppendsAsItsLinesWould) {
    MessageLoop loop;
    Services services;
    TForm1 form{loop, services.ForMainWindow()};
    ASSERT_TRUE(form.Create(GetModuleHandleW(nullptr)));
    for (const Text start : {"", "x\r\n", "x"}) {
        SetWindowTextW(form.Item(kMemo), Wide(start).c_str());
        form.TextArea().AppendLines({"表", "", "b"});
        const Text byLines = form.TextArea().MemoText();
        SetWindowTextW(form.Item(kMemo), Wide(start).c_str());
        form.TextArea().AppendLineBlock("表\r\n\r\nb\r\n");
        EXPECT_EQ(form.TextArea().MemoText(), byLines) << start;
    }
}

// A text area whose limit the drop's lines would pass: the drop stops with the message, the text keeps what
// it held, whole, and the clipboard keeps what it held.
TEST(TextAreaAppendText, ADropTheTextAreaRefusesStopsWithTheMessageAndCopiesNothing) {
    TempTree tree;
    tree.File("a.txt");
    tree.File("b.txt");
    MessageLoop loop;
    Services services;
    TForm1 form{loop, services.ForMainWindow()};
    ASSERT_TRUE(form.Create(GetModuleHandleW(nullptr)));
    form.PrepareForDrops();
    form.TextArea().AppendText("earlier\r\n");
    SendMessageW(form.Item(kMemo), EM_SETLIMITTEXT, 12, 0);
    SetClipboardText("the user's own text");

    BoxAnswerer boxes;
    PostMessageW(form.Item(kMemo), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({tree.Path("a.txt"), tree.Path("b.txt")})), 0);
    loop.Pump();
    EXPECT_EQ(form.TextArea().MemoText(), "earlier\r\n");
    EXPECT_EQ(ClipboardText(), "the user's own text");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, WithFullStop(kTextAreaFullMessage));
    EXPECT_FALSE(form.State().FBusy);

    // Room again: the next drop goes in and is copied.
    SendMessageW(form.Item(kMemo), EM_SETLIMITTEXT, 0, 0);
    PostMessageW(form.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({tree.Path("a.txt")})), 0);
    loop.Pump();
    EXPECT_EQ(form.TextArea().MemoText(), "earlier\r\n" + tree.Path("a.txt") + "\r\n");
    EXPECT_EQ(ClipboardText(), form.TextArea().MemoText());
}

// Esc while a drop's lines go in: the status bar has told the user, the lines that went in stay, whole, the
// rest is left out and what went in is copied, as after an Esc during the walk.
TEST(TextAreaAppendText, EscWhileADropsLinesGoInIsHonouredAtAWholeLine) {
    MessageLoop loop;
    Services services;
    TForm1 form{loop, services.ForMainWindow()};
    ASSERT_TRUE(form.Create(GetModuleHandleW(nullptr)));
    form.PrepareForDrops();
    std::vector<Text> names;
    for (int i = 0; i < 12000; ++i) {
        char name[40];
        std::snprintf(name, sizeof name, "C:\\missing\\名前%06d.txt", i);
        names.push_back(name);
    }
    // The Esc is pressed once the status bar says that the text goes in; the first pump after it takes it.
    struct Watch {
        HWND memo;
        bool told = false;
    } watch{form.Item(kMemo)};
    const auto statusProcedure = [](HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR data) -> LRESULT {
        auto* seen = reinterpret_cast<Watch*>(data);
        if (msg == SB_SETTEXTW && (wparam & 0xFF) == 3 && !seen->told &&
            FromWide(reinterpret_cast<const wchar_t*>(lparam)) == "テキストを設定しています…") {
            seen->told = true;
            PostMessageW(seen->memo, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        return DefSubclassProc(hwnd, msg, wparam, lparam);
    };
    SetWindowSubclass(form.Item(kStatus1), statusProcedure, 1, reinterpret_cast<DWORD_PTR>(&watch));

    PostMessageW(form.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names)), 0);
    loop.Pump();
    RemoveWindowSubclass(form.Item(kStatus1), statusProcedure, 1);
    EXPECT_TRUE(watch.told);
    const Text text = form.TextArea().MemoText();
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != Text::npos; at += 2)
        ++lines;
    EXPECT_GT(lines, 0u);
    EXPECT_LT(lines, names.size()) << "the Esc was not honoured";
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.substr(0, names[0].size()), names[0]);
    EXPECT_EQ(ClipboardText(), text);
    EXPECT_FALSE(form.State().FBusy);
}

}  // namespace
