// The main window in-process: created hidden, driven by messages as the system would drive it, read back
// from its controls and the clipboard.
#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include "app/SaveText.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/MakeDrop.h"
#include "tests/win32/TempTree.h"
#include "text/AppError.h"

namespace {

Text ClipboardText() {
    Text text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

Text ReadFileBytes(const Text& path) {
    Text bytes;
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form_.Create(GetModuleHandleA(nullptr)));
        form_.PrepareForDrops();
    }

    Text Panel(int panel) {
        char text[256] = {};
        SendMessageA(form_.Control(kStatus1), SB_GETTEXTA, static_cast<WPARAM>(panel),
                     reinterpret_cast<LPARAM>(text));
        return text;
    }

    int Width(int id) { return Rect(id).right - Rect(id).left; }
    int Height(int id) { return Rect(id).bottom - Rect(id).top; }
    RECT Rect(int id) {
        RECT rect{};
        GetWindowRect(form_.Control(id), &rect);
        return rect;
    }

    void Click(int id) { SendMessageA(form_.Control(id), BM_CLICK, 0, 0); }

    // Drops the names on the text area the way the shell does, then lets the loop take the message.
    void Drop(const std::vector<Text>& names) {
        PostMessageA(form_.Control(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names)), 0);
        loop_.Pump();
    }

    MessageLoop loop_;
    TForm1 form_{loop_};
};

TEST_F(MainWindowTest, StartsInFullPathModeWithPanelsAtDesignSize) {
    EXPECT_EQ(form_.ModeIndex(), 0);
    EXPECT_EQ(Height(kPnlTop), 49);
    EXPECT_EQ(Width(kPnlGet), 0);
    EXPECT_EQ(Panel(0), "  1 :   1");
    EXPECT_EQ(form_.AppDir().back(), '\\');
}

TEST_F(MainWindowTest, ContentsModeAndFilterResizePanels) {
    Click(kRdoShow);
    EXPECT_EQ(Height(kPnlTop), 97);
    Click(kRdoNET);
    EXPECT_EQ(Height(kPnlTop), 49);
    Click(kChkGet);
    EXPECT_EQ(Width(kPnlGet), 81);
    const int memoWithFilter = Width(kMemo);
    Click(kChkGet);
    EXPECT_EQ(Width(kPnlGet), 0);
    EXPECT_EQ(Width(kMemo), memoWithFilter + 81);

    form_.SelectMode(2);
    EXPECT_EQ(Height(kPnlTop), 97) << "a stored contents mode runs RdoFullClick";
    form_.SelectMode(7);
    EXPECT_EQ(form_.ModeIndex(), 0) << "an index out of range selects full path";
    EXPECT_EQ(Height(kPnlTop), 49);
}

TEST_F(MainWindowTest, DropOfThreeFilesWritesSortedLinesCopiesAndPlacesCaret) {
    TempTree tree;
    tree.File("b.txt");
    tree.File("C.txt");
    tree.File("a表.txt");
    Drop({tree.Path("C.txt"), tree.Path("a表.txt"), tree.Path("b.txt")});

    const Text expected =
        tree.Path("a表.txt") + "\r\n" + tree.Path("b.txt") + "\r\n" + tree.Path("C.txt") + "\r\n";
    EXPECT_EQ(form_.MemoText(), expected);
    EXPECT_EQ(ClipboardText(), expected);
    EXPECT_EQ(Panel(0), "  1 :   4");
    EXPECT_EQ(Panel(3), "");
    EXPECT_FALSE(form_.State().FBusy);
    EXPECT_TRUE(IsWindowEnabled(form_.Control(kRdoFull)));

    // A second drop appends below the first, and the clipboard then holds both.
    Drop({tree.Path("b.txt")});
    EXPECT_EQ(form_.MemoText(), expected + tree.Path("b.txt") + "\r\n");
    EXPECT_EQ(ClipboardText(), form_.MemoText());
}

TEST_F(MainWindowTest, DropWhileBusyIsRefusedAndChangesNothing) {
    form_.AppendLine("kept");
    form_.State().FBusy = true;
    form_.SetStatusText(3, "running");
    {
        BoxAnswerer boxes;
        Drop({"C:\\windows"});
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "ロミナード");
        EXPECT_EQ(boxes.Boxes()[0].text, "編集中のため処理できません。");
    }
    EXPECT_EQ(form_.MemoText(), "kept\r\n");
    EXPECT_EQ(Panel(3), "running");
}

TEST_F(MainWindowTest, TextAreaRulesForAppendReadAndReplace) {
    form_.AppendLines({"a", "b"});
    EXPECT_EQ(form_.MemoText(), "a\r\nb\r\n");
    SetWindowTextA(form_.Control(kMemo), "x");
    form_.AppendLines({"y", "z"});
    EXPECT_EQ(form_.MemoText(), "x\r\ny\r\nz") << "a text without a final break gets the break in front";

    const Text longLine(5000, 'L');
    form_.ReplaceAllLines({longLine, "", "表"});
    EXPECT_EQ(form_.MemoText(), longLine + "\r\n\r\n表\r\n");
    EXPECT_EQ(form_.ReadAllLines(), (std::vector<Text>{longLine, "", "表"})) << "lines come back whole";
    SetWindowTextA(form_.Control(kMemo), "");
    EXPECT_TRUE(form_.ReadAllLines().empty());
}

TEST_F(MainWindowTest, CaretIndicatorPastSixtyFourKilobytes) {
    const Text line(70000, 'x');
    SetWindowTextA(form_.Control(kMemo), ("top\r\n" + line).c_str());
    form_.PlaceCaretAtEnd();
    form_.ShowCaretPos();
    EXPECT_EQ(Panel(0), "70001 :   2");
    SetWindowTextA(form_.Control(kMemo), "表表");
    form_.PlaceCaretAtEnd();
    form_.ShowCaretPos();
    EXPECT_EQ(Panel(0), "  5 :   1") << "the column counts bytes";
    form_.BtnClearClick();
    EXPECT_EQ(Panel(0), "  1 :   1");
}

TEST_F(MainWindowTest, EscInTextAreaSetsAbort) {
    form_.State().FAbort = false;
    SendMessageA(form_.Control(kMemo), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(form_.State().FAbort);
}

TEST_F(MainWindowTest, ErrorInHandlerIsReportedAndWindowStays) {
    form_.SetCommands({{}, {}, {}, {}, [] { throw AppError("C:\\x\\Data.INI に書き込めません"); }});
    BoxAnswerer boxes;
    SendMessageA(form_.Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "ロミナード");
    EXPECT_EQ(boxes.Boxes()[0].text, "C:\\x\\Data.INI に書き込めません.");
    EXPECT_TRUE(IsWindow(form_.Handle()));
}

TEST(SaveText, WritesExactBytesAndReportsFailures) {
    TempTree tree;
    SaveText(tree.Path("empty.txt"), "");
    EXPECT_EQ(ReadFileBytes(tree.Path("empty.txt")), "");
    const Text bytes = "表\r\nｱ\n\x81\x00z" + Text(1, '\0') + "end";
    SaveText(tree.Path("bytes.txt"), bytes);
    EXPECT_EQ(ReadFileBytes(tree.Path("bytes.txt")), bytes);

    try {
        SaveText(tree.Path("missing\\folder.txt"), "x");
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), "ファイル " + tree.Path("missing\\folder.txt") + " を作成できません");
    }
}

}  // namespace
