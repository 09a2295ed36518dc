// The main window in-process: created hidden, driven by messages as the system would drive it, read back
// from its controls and the clipboard.
#include "app/MainWindow.h"
#include "app/Services.h"

#include <dlgs.h>
#include <gtest/gtest.h>
#include <climits>
#include <cstdio>

#include "app/SaveText.h"
#include "app/Settings.h"
#include "edit/EditForm.h"
#include "platform/win32/Win32CaseMapper.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32Profile.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/ClipboardText.h"
#include "tests/win32/FileBytes.h"
#include "tests/win32/LayoutChecks.h"
#include "tests/win32/MakeDrop.h"
#include "tests/win32/TempTree.h"
#include "text/AppError.h"

namespace {

// Answers the next save dialog from inside its own loop: types the name into its file-name box and presses
// its OK button. A message box that follows the dialog gets boxAnswer.
class SaveDialogAnswerer : public DialogAnswerer {
public:
    explicit SaveDialogAnswerer(Text name, int boxAnswer = IDOK)
        : name_(std::move(name)), boxAnswer_(boxAnswer) {}

    bool Answered() const { return answered_; }
    const Text& BoxText() const { return boxText_; }

private:
    void Answer(HWND dialog) override {
        if (answered_) {
            if (dialog == saveDialog_ || dialog == box_) return;
            box_ = dialog;
            boxText_ = WindowText(GetDlgItem(dialog, 0xFFFF));
            Press(dialog, boxAnswer_);
            return;
        }
        HWND box = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
        if (!box) return;
        SetWindowTextW(box, Wide(name_).c_str());
        answered_ = true;
        saveDialog_ = dialog;
        Press(dialog, IDOK);
    }

    Text name_;
    int boxAnswer_;
    bool answered_ = false;
    HWND saveDialog_ = nullptr;
    HWND box_ = nullptr;
    Text boxText_;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form_.Create(GetModuleHandleW(nullptr)));
        form_.PrepareForDrops();
    }

    Text Panel(int panel) {
        wchar_t text[256] = {};
        SendMessageW(form_.Item(kStatus1), SB_GETTEXTW, static_cast<WPARAM>(panel),
                     reinterpret_cast<LPARAM>(text));
        return FromWide(text);
    }

    int Width(int id) { return Rect(id).right - Rect(id).left; }
    int Height(int id) { return Rect(id).bottom - Rect(id).top; }
    RECT Rect(int id) {  // 0: the window itself
        RECT rect{};
        GetWindowRect(id ? form_.Item(id) : form_.Handle(), &rect);
        return rect;
    }

    void Click(int id) { SendMessageW(form_.Item(id), BM_CLICK, 0, 0); }

    // Drops the names on the text area the way the shell does, then lets the loop take the message.
    void Drop(const std::vector<Text>& names) {
        PostMessageW(form_.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names)), 0);
        loop_.Pump();
    }

    MessageLoop loop_;
    Services services_;
    TForm1 form_{loop_, services_.ForMainWindow()};
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
    EXPECT_EQ(form_.TextArea().MemoText(), expected);
    EXPECT_EQ(ClipboardText(), expected);
    EXPECT_EQ(Panel(0), "  1 :   4");
    EXPECT_EQ(Panel(3), "");
    EXPECT_FALSE(form_.State().FBusy);
    EXPECT_TRUE(IsWindowEnabled(form_.Item(kRdoFull)));

    // A second drop appends below the first, and the clipboard then holds both.
    Drop({tree.Path("b.txt")});
    EXPECT_EQ(form_.TextArea().MemoText(), expected + tree.Path("b.txt") + "\r\n");
    EXPECT_EQ(ClipboardText(), form_.TextArea().MemoText());
}

// A drop reads the options once per file; while the top panel is off no option can change, so the view
// gives what it read first, and reads them afresh once the panel is on again.
TEST_F(MainWindowTest, OptionsHoldWhileTheTopPanelIsOffAndAreReadAfreshAfter) {
    Click(kRdoShow);
    SetWindowTextW(form_.Item(kGridCell0), Wide("txt").c_str());
    form_.TextArea().EnableTopPanel(false);
    EXPECT_EQ(form_.TextArea().ReadOptions().filterCells[0], "txt");
    SetWindowTextW(form_.Item(kGridCell0), Wide("csv").c_str());
    form_.SetChecked(kRdoShow, false);
    form_.SetChecked(kRdoName, true);
    EXPECT_TRUE(form_.TextArea().ReadOptions().contents);
    EXPECT_EQ(form_.TextArea().ReadOptions().filterCells[0], "txt");

    form_.TextArea().EnableTopPanel(true);
    OptionSnapshot options = form_.TextArea().ReadOptions();
    EXPECT_TRUE(options.nameOnly);
    EXPECT_FALSE(options.contents);
    EXPECT_EQ(options.filterCells[0], "csv");
    form_.SetChecked(kChkNull, true);
    EXPECT_TRUE(form_.TextArea().ReadOptions().skipBlankLines)
        << "with the panel on, every read sees the controls";
    form_.TextArea().EnableTopPanel(false);
    form_.SetChecked(kChkNull, false);
    EXPECT_FALSE(form_.TextArea().ReadOptions().skipBlankLines)
        << "the next lock holds nothing of the one before";
    form_.TextArea().EnableTopPanel(true);
}

TEST_F(MainWindowTest, DropWhileBusyIsRefusedAndChangesNothing) {
    form_.TextArea().AppendLine("kept");
    form_.State().FBusy = true;
    form_.TextArea().SetStatusText(3, "running");
    {
        BoxAnswerer boxes;
        Drop({"C:\\windows"});
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "ロミナード");
        EXPECT_EQ(boxes.Boxes()[0].text, "編集中のため処理できません。");
    }
    EXPECT_EQ(form_.TextArea().MemoText(), "kept\r\n");
    EXPECT_EQ(Panel(3), "running");
}

TEST_F(MainWindowTest, TextAreaRulesForAppendReadAndReplace) {
    form_.TextArea().AppendLines({"a", "b"});
    EXPECT_EQ(form_.TextArea().MemoText(), "a\r\nb\r\n");
    SetWindowTextW(form_.Item(kMemo), Wide("x").c_str());
    form_.TextArea().AppendLines({"y", "z"});
    EXPECT_EQ(form_.TextArea().MemoText(), "x\r\ny\r\nz")
        << "a text without a final break gets the break in front";

    const Text longLine(5000, 'L');
    form_.TextArea().ReplaceAllLines({longLine, "", "表"});
    EXPECT_EQ(form_.TextArea().MemoText(), longLine + "\r\n\r\n表\r\n");
    EXPECT_EQ(form_.TextArea().ReadAllLines(), (std::vector<Text>{longLine, "", "表"}))
        << "lines come back whole";
    SetWindowTextW(form_.Item(kMemo), Wide("").c_str());
    EXPECT_TRUE(form_.TextArea().ReadAllLines().empty());
}

TEST_F(MainWindowTest, CaretIndicatorPastSixtyFourKilobytes) {
    const Text line(70000, 'x');
    SetWindowTextW(form_.Item(kMemo), Wide("top\r\n" + line).c_str());
    form_.TextArea().PlaceCaretAtEnd();
    form_.TextArea().ShowCaretPos();
    EXPECT_EQ(Panel(0), "70001 :   2");
    SetWindowTextW(form_.Item(kMemo), Wide("表表").c_str());
    form_.TextArea().PlaceCaretAtEnd();
    form_.TextArea().ShowCaretPos();
    EXPECT_EQ(Panel(0), "  5 :   1") << "the column counts bytes";
    SetWindowTextW(form_.Item(kMemo), L"\u00E9\U0001F600");
    form_.TextArea().PlaceCaretAtEnd();
    form_.TextArea().ShowCaretPos();
    EXPECT_EQ(Panel(0), "  5 :   1") << "a character outside the code page counts as a double-byte one";
    form_.BtnClearClick();
    EXPECT_EQ(Panel(0), "  1 :   1");
}

TEST_F(MainWindowTest, EscInTextAreaSetsAbort) {
    form_.State().FAbort = false;
    SendMessageW(form_.Item(kMemo), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(form_.State().FAbort);
}

TEST_F(MainWindowTest, UnwritableSettingsAreReportedOnceAndTheWindowCloses) {
    TempTree tree;
    tree.File("Data.INI", "");
    tree.Attributes("Data.INI", FILE_ATTRIBUTE_READONLY);
    Win32Profile profile;
    const SettingsPlaces places{tree.Root() + "\\", Text()};
    TForm1::Commands commands;
    commands.closeQuery = [&] { SaveSettings(profile, places, StoredSettings{}); };
    form_.SetCommands(commands);
    {
        BoxAnswerer boxes;
        SendMessageW(form_.Handle(), WM_CLOSE, 0, 0);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "ロミナード");
        EXPECT_EQ(boxes.Boxes()[0].text, tree.Path("Data.INI") + " に書き込めません.");
        EXPECT_TRUE(boxes.Boxes()[0].hasIcon);
    }
    EXPECT_FALSE(IsWindow(form_.Handle()));
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program would not end";
}

TEST_F(MainWindowTest, LogOffIsNeverRefused) {
    int saves = 0;
    TForm1::Commands commands;
    commands.closeQuery = [&] {
        ++saves;
        throw AppError("C:\\x\\Data.INI に書き込めません");
    };
    form_.SetCommands(commands);
    BoxAnswerer boxes;
    EXPECT_TRUE(SendMessageW(form_.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_EQ(saves, 1) << "the settings are written before the log-off";
    EXPECT_TRUE(boxes.Boxes().empty()) << "a box would hold the log-off up";
}

TEST_F(MainWindowTest, CloseDuringDropAbortsItAndClosesOnceItHasEnded) {
    TempTree tree;
    tree.Folder("d");
    for (int i = 0; i < 300; ++i)
        tree.File("d\\f" + std::to_string(i) + ".txt");
    SetClipboardText("the user's own text");
    Click(kChkFAll);
    // The close request waits in the queue and arrives at the walk's first pump.
    PostMessageW(form_.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({tree.Path("d")})), 0);
    PostMessageW(form_.Handle(), WM_CLOSE, 0, 0);
    loop_.Pump();

    const Text copied = ClipboardText();
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = copied.find("\r\n", at)) != Text::npos; at += 2)
        ++lines;
    EXPECT_FALSE(IsWindow(form_.Handle()));
    EXPECT_GT(lines, 0u) << "copied: " << copied.substr(0, 200);
    EXPECT_LT(lines, 300u) << "the drop was not aborted";
    EXPECT_EQ(copied.rfind(tree.Path("d"), 0), 0u) << copied.substr(0, 200);
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program would not end";
}

TEST_F(MainWindowTest, CloseDuringEditOperationAbortsItAndClosesOnceItHasEnded) {
    Win32CaseMapper cases;
    Win32Collation collation{LetterCase::kCounts};
    TForm3 editForm(form_.TextArea(), form_.State(), cases, collation, loop_);
    ASSERT_TRUE(editForm.Create(GetModuleHandleW(nullptr), form_.Handle()));
    form_.SetEditAbort([&] { editForm.AbortOperation(); });
    editForm.SetOperationEnded([&] { form_.OperationEnded(); });
    form_.TextArea().ReplaceAllLines({"b.txt", "a.txt"});

    // The close request arrives at the operation's first pump.
    PostMessageW(form_.Handle(), WM_CLOSE, 0, 0);
    SendMessageW(FindControl(editForm.Handle(), TForm3::BtnUpper), BM_CLICK, 0, 0);
    ASSERT_TRUE(IsWindow(form_.Handle())) << "closed under the running operation";
    EXPECT_EQ(form_.TextArea().MemoText(), "b.txt\r\na.txt\r\n") << "the operation was not aborted";
    EXPECT_FALSE(form_.State().FBusy);
    loop_.Pump();
    EXPECT_FALSE(IsWindow(form_.Handle())) << "the close was forgotten";
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program would not end";
}

TEST_F(MainWindowTest, FontNameIsCutOnACharacterBoundary) {
    const Text name30(30, 'n');
    form_.SetMemoFont(name30 + "表", 12);
    EXPECT_EQ(form_.MemoFontName(), name30) << "a face name holds 31 bytes: 表 goes whole";
    form_.SetMemoFont("ＭＳ 明朝", 10);
    EXPECT_EQ(form_.MemoFontName(), "ＭＳ 明朝");
    EXPECT_EQ(form_.MemoFontPoints(), 10);
}

TEST_F(MainWindowTest, SaveTakesAFileNameLongerThan260Bytes) {
    // Double-byte names: past 260 bytes, yet short enough in characters for every part of the system.
    Text name;
    for (int i = 0; i < 40; ++i)
        name += "表";
    TempTree tree;
    Text relative;
    for (int level = 0; level < 4; ++level) {
        relative += (relative.empty() ? "" : "\\") + name;
        tree.Folder(relative);
    }
    const Text file = tree.Path(relative + "\\保存.txt");
    ASSERT_GT(file.size(), 300u);
    form_.TextArea().ReplaceAllLines({"表", "x"});
    SaveDialogAnswerer answerer(file);
    form_.BtnSaveClick();
    EXPECT_TRUE(answerer.Answered());
    EXPECT_EQ(FileBytes(file), "\x95\x5C\r\nx\r\n") << "a long name was taken for a cancel";
}

// Names code page 932 cannot hold come through a drop as they are, in the text area and the clipboard's
// Unicode form; the narrow form holds "?" in their place.
TEST_F(MainWindowTest, DropOfNamesOutsideTheCodePageShowsTrueNames) {
    TempTree tree;
    const std::vector<Text> names = {"café.txt", "あ〜い.txt", "한국어.txt", "😀.txt"};
    Text expected;
    for (const Text& name : names) {
        tree.File(name);
        expected += tree.Path(name) + "\r\n";
    }
    // One drop each, so that the lines keep this order whatever the locale's order of these characters.
    BoxAnswerer boxes;
    for (const Text& name : names)
        Drop({tree.Path(name)});

    EXPECT_TRUE(boxes.Boxes().empty()) << "true names need no notice";
    EXPECT_EQ(form_.TextArea().MemoText(), expected);
    EXPECT_EQ(ClipboardText(), expected);
    const std::string narrow = ClipboardShiftJis();
    EXPECT_NE(narrow.find("caf?.txt"), std::string::npos) << narrow;
    EXPECT_NE(narrow.find("\x82\xA0?\x82\xA2.txt"), std::string::npos) << narrow;
    EXPECT_NE(narrow.find("???.txt"), std::string::npos) << narrow;
}

// The box before a Shift_JIS save of text it cannot hold: はい saves UTF-8 with its mark, いいえ Shift_JIS
// with "?", キャンセル nothing.
TEST_F(MainWindowTest, ShiftJisSaveOfTextItCannotHoldAsksFirst) {
    TempTree tree;
    const Text file = tree.Path("lossy.txt");
    form_.TextArea().ReplaceAllLines({"café", "表", "한"});
    const std::pair<int, std::string> cases[] = {
        {IDYES,
         "\xEF\xBB\xBF"
         "café\r\n表\r\n한\r\n"},
        {IDNO, "caf?\r\n\x95\x5C\r\n?\r\n"},
        {IDCANCEL, "<missing>"},
    };
    for (const auto& [answer, bytes] : cases) {
        DeleteFileW(Wide(file).c_str());
        SaveDialogAnswerer dialog(file, answer);
        form_.BtnSaveClick();
        EXPECT_TRUE(dialog.Answered());
        EXPECT_EQ(dialog.BoxText().rfind("2 行に Shift_JIS で表せない文字があり", 0), 0u) << dialog.BoxText();
        EXPECT_EQ(FileBytes(file), bytes) << answer;
    }
}

// A Shift_JIS file holding codes code page 932 leaves undefined (rows 85 and EB, a lead byte before a byte
// that cannot follow it), read in all-lines mode, comes back byte for byte from a save as Shift_JIS, with no
// question, and in the clipboard's narrow form.
TEST_F(MainWindowTest, UndefinedShiftJisCodesSurviveAllLinesModeASaveAndACopy) {
    TempTree tree;
    const std::string bytes = "\x95\x5C\x85\x40\r\nabc\x81\r\n\xEB\x9F z\x81 \r\n";
    tree.File("undefined.txt", bytes);
    SendMessageW(form_.Item(kRdoShow), BM_CLICK, 0, 0);
    SendMessageW(form_.Item(kRdoLineAll), BM_CLICK, 0, 0);
    Drop({tree.Path("undefined.txt")});
    const Text file = tree.Path("saved.txt");
    SaveDialogAnswerer dialog(file);
    form_.BtnSaveClick();
    EXPECT_TRUE(dialog.Answered());
    EXPECT_EQ(dialog.BoxText(), "") << "no byte is lost";
    EXPECT_EQ(FileBytes(file), bytes);
    form_.TextArea().CopyAllText();
    EXPECT_EQ(ClipboardShiftJis(), bytes);
}

// The keyboard, shown and active, with keys posted through the loop as the system queues them.
class MainWindowKeysTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowWindow(form_.Handle(), SW_SHOW);
        SetForegroundWindow(form_.Handle());
        SetFocus(form_.Item(kMemo));
    }
    void TearDown() override { Shift(false); }

    void Key(WPARAM key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 1 | (3u << 30));
        loop_.Pump();
    }
    void AltKey(char letter) {
        PostMessageW(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(letter), 1 | (1u << 29));
        loop_.Pump();
    }
    static void Shift(bool down) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    // The ids of the controls Tab visits from the text area until it comes back there.
    std::vector<int> TabCycle() {
        SetFocus(form_.Item(kMemo));
        std::vector<int> visited;
        for (int i = 0; i < 12; ++i) {
            Key(VK_TAB);
            visited.push_back(GetDlgCtrlID(GetFocus()));
            if (visited.back() == kMemo) break;
        }
        return visited;
    }
    bool TabStop(int id) { return (GetWindowLongPtrW(form_.Item(id), GWL_STYLE) & WS_TABSTOP) != 0; }
};

TEST_F(MainWindowKeysTest, TabFollowsTheTabOrderAndNeverGoesIntoTheText) {
    ASSERT_EQ(GetFocus(), form_.Item(kMemo));
    SetWindowTextW(form_.Item(kMemo), Wide("ab").c_str());
    EXPECT_EQ(TabCycle(), (std::vector<int>{kRdoFull, kChkFAll, kChkGet, kMemo}))
        << "panels are no stops; hidden panels are skipped";
    EXPECT_EQ(form_.TextArea().MemoText(), "ab");

    Click(kRdoShow);
    Click(kChkGet);
    EXPECT_EQ(TabCycle(),
              (std::vector<int>{kRdoShow, kChkFAll, kRdoLineCnt, kChkNull, kChkGet, kGridCell0, kMemo}))
        << "only the checked radio of a group is a stop; the grid is one";

    EXPECT_EQ(form_.TextArea().ReadOptions().filterCells[0], "");
    DWORD start = 0, end = 0;
    SendMessageW(form_.Item(kMemo), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "entered by Tab, the text area selects nothing a key would replace";

    Shift(true);
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), form_.Item(kGridCell0));
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), form_.Item(kChkGet));
    Shift(false);
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), form_.Item(kMemo));
    SendMessageW(form_.Item(kMemo), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "entered from another control";
}

TEST_F(MainWindowKeysTest, EnterBreaksTheLineAndEscAbortsWithoutClosing) {
    SetWindowTextW(form_.Item(kMemo), Wide("ab").c_str());
    SendMessageW(form_.Item(kMemo), EM_SETSEL, 2, 2);
    Key(VK_RETURN);
    EXPECT_EQ(form_.TextArea().MemoText(), "ab\r\n");

    form_.State().FAbort = false;
    Key(VK_ESCAPE);
    loop_.Pump();
    EXPECT_TRUE(form_.State().FAbort);
    EXPECT_TRUE(IsWindow(form_.Handle())) << "Esc in the text area never closes the window";
    EXPECT_EQ(form_.TextArea().MemoText(), "ab\r\n");
}

TEST_F(MainWindowKeysTest, AccessKeysPressSpeedButtonsAndSelectModes) {
    SetWindowTextW(form_.Item(kMemo), Wide("ab").c_str());
    AltKey('d');
    EXPECT_EQ(form_.TextArea().MemoText(), "") << "ｸﾘｱ(&D)";
    EXPECT_EQ(GetFocus(), form_.Item(kMemo)) << "a speed button never takes the focus";

    AltKey('t');
    EXPECT_EQ(form_.ModeIndex(), 2);
    EXPECT_EQ(Height(kPnlTop), 97) << "RdoFullClick ran";
    EXPECT_TRUE(TabStop(kRdoShow));
    EXPECT_FALSE(TabStop(kRdoFull));
    AltKey('b');
    EXPECT_EQ(form_.ModeIndex(), 4);
}

TEST_F(MainWindowKeysTest, ArrowsMoveWithinTheModeGroupAndBetweenCells) {
    SetFocus(form_.Item(kRdoFull));
    Key(VK_RIGHT);
    EXPECT_EQ(GetFocus(), form_.Item(kRdoName));
    EXPECT_EQ(form_.ModeIndex(), 1);
    Key(VK_LEFT);
    EXPECT_EQ(form_.ModeIndex(), 0);

    Click(kChkGet);
    SetFocus(form_.Item(kGridCell0));
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(GetFocus(), form_.Item(kGridCell0 + 2));
    Key(VK_UP);
    EXPECT_EQ(GetFocus(), form_.Item(kGridCell0 + 1));
    EXPECT_TRUE(TabStop(kGridCell0 + 1));
    EXPECT_FALSE(TabStop(kGridCell0));
}

TEST_F(MainWindowKeysTest, MousePressOnSpeedButtonClicksWithoutTakingTheFocus) {
    HWND clear = form_.Item(kBtnClear);
    SetWindowTextW(form_.Item(kMemo), Wide("ab").c_str());
    SendMessageW(clear, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(clear, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form_.TextArea().MemoText(), "");
    EXPECT_EQ(GetFocus(), form_.Item(kMemo));

    SetWindowTextW(form_.Item(kMemo), Wide("ab").c_str());
    SendMessageW(clear, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(clear, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    EXPECT_EQ(form_.TextArea().MemoText(), "ab") << "released off the button";

    form_.TextArea().EnableTopPanel(false);
    SendMessageW(clear, BM_CLICK, 0, 0);
    EXPECT_EQ(form_.TextArea().MemoText(), "ab") << "disabled during a drop";
}

TEST_F(MainWindowTest, DoubleClickRefreshesTheCaretIndicator) {
    HWND memo = form_.Item(kMemo);
    SetWindowTextW(memo, Wide("abc def").c_str());
    SendMessageW(memo, EM_SETSEL, 5, 5);
    const LPARAM at = SendMessageW(memo, EM_POSFROMCHAR, 5, 0);
    SendMessageW(memo, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(memo, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(Panel(0), "  5 :   1") << "the word selected starts at column 5";
}

TEST_F(MainWindowTest, PlacesOffEveryScreenComeOntoTheNearestMonitor) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    form_.PlaceAt(work.left + 10, work.top + 20);
    EXPECT_EQ(Rect(0).left, work.left + 10) << "a place on a monitor stands as it is";
    EXPECT_EQ(RestoredRect(form_.Handle()).top, work.top + 20);

    form_.PlaceAt(300, 99999);
    EXPECT_EQ(Rect(0).left, 300);
    EXPECT_EQ(Rect(0).bottom, work.bottom);
    form_.PlaceAt(INT_MIN, INT_MAX);
    EXPECT_EQ(Rect(0).left, work.left);
    EXPECT_EQ(Rect(0).bottom, work.bottom);
}

TEST_F(MainWindowTest, UnusableFontSizesAreBroughtIntoRange) {
    for (int points : {0, -5, 100000, INT_MIN}) {
        form_.SetMemoFont("ＭＳ ゴシック", points);
        const int used = form_.MemoFontPoints();
        EXPECT_GE(used, TForm1::kMemoFontPointsMin) << points;
        EXPECT_LE(used, TForm1::kMemoFontPointsMax) << points;
    }
    form_.SetMemoFont("ＭＳ ゴシック", 10);
    EXPECT_EQ(form_.MemoFontPoints(), 10);
}

// Where a speed button draws: its glyph (16 pixels at 96 DPI), the glyph's spacing and its caption, centred
// on the button.
RECT SpeedButtonInk(HWND button, UINT dpi) {
    const RECT rect = layout::InParent(button);
    for (const SpeedButtonGlyph& glyph : kSpeedButtonGlyphs) {
        if (glyph.buttonId != GetDlgCtrlID(button)) continue;
        const int width =
            ScaleForDpi(kGlyphSize, dpi) + ScaleForDpi(glyph.spacing, dpi) + layout::TextExtent(button).cx;
        const int left = rect.left + (rect.right - rect.left - width) / 2;
        return RECT{left, rect.top, left + width, rect.bottom};
    }
    return rect;
}

TEST_F(MainWindowTest, LaidOutAgainAtEachDpiItMovesTo) {
    RECT client96;
    GetClientRect(form_.Handle(), &client96);
    form_.SetMemoFont("ＭＳ ゴシック", 12);
    // Every panel out: the contents options and the filter.
    Click(kRdoShow);
    Click(kChkGet);
    for (const UINT dpi : {120u, 144u, 192u, 96u}) {
        layout::MoveToDpi(form_.Handle(), dpi, client96.right, client96.bottom);
        const auto speedButtonInk = [dpi](HWND button) { return SpeedButtonInk(button, dpi); };
        // The screen may be too small for the window at the higher DPIs (a window is never made larger than
        // the screen); its panels are then what a user narrowing it would see, and only the captions are held
        // to the layout. The group box's frame surrounds its options. The speed buttons overlap by design:
        // what they draw may not.
        if (ScaleForDpi(client96.right, dpi) > GetSystemMetrics(SM_CXMAXTRACK)) {
            std::printf("the screen is too narrow for the main window at %u DPI: captions checked only\n",
                        dpi);
            EXPECT_GT(layout::ExpectCaptionsTidy(form_.Handle(), dpi, {kGroupBox1 + 1000}, speedButtonInk),
                      30);
            continue;
        }
        EXPECT_GT(layout::ExpectTidy(form_.Handle(), dpi, {kGroupBox1 + 1000}, speedButtonInk), 30);
        EXPECT_EQ(Height(kPnlTop), ScaleForDpi(97, dpi));
        EXPECT_EQ(Width(kPnlGet), ScaleForDpi(81, dpi));
        const RECT filter = layout::InParent(form_.Item(kChkGet));
        EXPECT_EQ(filter.left, ScaleForDpi(570, dpi));
        EXPECT_EQ(filter.bottom, ScaleForDpi(21, dpi));
        EXPECT_EQ(layout::FontHeight(form_.Item(kRdoFull)), -ScaleForDpi(13, dpi));
        // The text area's font keeps its size in points, which is what Data.INI keeps.
        EXPECT_EQ(form_.MemoFontPoints(), 12) << dpi;
        EXPECT_EQ(layout::FontHeight(form_.Item(kMemo)), -MulDiv(12, static_cast<int>(dpi), 72));
        int edges[4] = {};
        ASSERT_EQ(SendMessageW(form_.Item(kStatus1), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 4);
        EXPECT_EQ(edges[0], ScaleForDpi(90, dpi));
        EXPECT_EQ(edges[1], ScaleForDpi(245, dpi));
        EXPECT_EQ(edges[3], ScaleForDpi(775, dpi));
    }
}

// Made in a wider face than its tables were measured in: the rows of the top panel grow, and the window with
// them.
class MainWindowWiderFontTest : private layout::WiderFont, public MainWindowTest {};

TEST_F(MainWindowWiderFontTest, EveryCaptionFitsAndTheWindowHoldsThemAt96And144Dpi) {
    RECT client96;
    GetClientRect(form_.Handle(), &client96);
    Click(kRdoShow);
    Click(kChkGet);
    for (const UINT dpi : {96u, 144u}) {
        layout::MoveToDpi(form_.Handle(), dpi, client96.right, client96.bottom);
        const auto speedButtonInk = [dpi](HWND button) { return SpeedButtonInk(button, dpi); };
        EXPECT_GT(layout::ExpectTidy(form_.Handle(), dpi, {kGroupBox1 + 1000}, speedButtonInk), 30);
    }
}

// At 144 DPI the window is wider than a 1024-pixel screen leaves right of a place stored at 96 DPI.
TEST_F(MainWindowTest, AStoredPlaceThatWouldLeaveTheWorkAreaAt144DpiMovesJustEnough) {
    RECT client96;
    GetClientRect(form_.Handle(), &client96);
    layout::MoveToDpi(form_.Handle(), 144, client96.right, client96.bottom);
    const RECT work = NearestWorkArea(Rect(0));
    ASSERT_GT(Rect(0).right - Rect(0).left, work.right - 298);
    form_.PlaceAt(298, work.top + 114);
    EXPECT_EQ(Rect(0).right, work.right);
    EXPECT_GE(Rect(0).left, work.left);
    EXPECT_EQ(Rect(0).top, work.top + 114);
}

TEST(SaveText, WritesExactBytesAndReportsFailures) {
    TempTree tree;
    SaveBytes(tree.Path("empty.txt"), "");
    EXPECT_EQ(FileBytes(tree.Path("empty.txt")), "");
    const std::string bytes = "\x95\x5C\r\n\xB1\n\x81\x00z" + std::string(1, '\0') + "end";
    SaveBytes(tree.Path("bytes.txt"), bytes);
    EXPECT_EQ(FileBytes(tree.Path("bytes.txt")), bytes);

    try {
        SaveBytes(tree.Path("missing\\folder.txt"), "x");
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message().rfind(
                      "ファイル " + tree.Path("missing\\folder.txt") + " を作成できません\r\n", 0),
                  0u)
            << error.Message();
    }
}

// Each encoding of the type list, written and read back, gives the text; the name itself is outside code
// page 932.
TEST(SaveText, EveryEncodingReadsBackAsTheText) {
    TempTree tree;
    const Text text = "表ｱ\r\ncafé 한국어 😀\r\n";
    const Text shiftJisText = "表ｱ\r\nabc\r\n";
    const struct {
        SaveEncoding encoding;
        Text text;
        std::size_t mark;
    } cases[] = {
        {SaveEncoding::ShiftJis, shiftJisText, 0},
        {SaveEncoding::Utf8WithBom, text, 3},
        {SaveEncoding::Utf8, text, 0},
        {SaveEncoding::Utf16Le, text, 2},
    };
    for (const auto& c : cases) {
        const Text path = tree.Path("한 " + std::to_string(static_cast<int>(c.encoding)) + ".txt");
        SaveBytes(path, EncodedForSave(c.text, c.encoding));
        const std::string bytes = FileBytes(path);
        ASSERT_GE(bytes.size(), c.mark);
        const std::string body = bytes.substr(c.mark);
        Text back;
        switch (c.encoding) {
            case SaveEncoding::ShiftJis:
                back = TextFromShiftJis(body);
                break;
            case SaveEncoding::Utf16Le:
                back = WideToText(WideView(reinterpret_cast<const char16_t*>(body.data()), body.size() / 2));
                break;
            default:
                back = body;
        }
        EXPECT_EQ(back, c.text) << static_cast<int>(c.encoding);
    }
}

}  // namespace
