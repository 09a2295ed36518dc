// The edit window in-process: created over a stand-in main window, driven by button messages, read back.
#include "edit/EditForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32CaseMapper.h"
#include "platform/win32/Win32Collation.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/RecordingView.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/LayoutChecks.h"

namespace {

using Lines = std::vector<Text>;

constexpr int kMainLeft = 120, kMainTop = 60, kMainWidth = 596, kMainHeight = 328;

// A control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class EditFormTest : public ::testing::Test {
protected:
    EditFormTest() {
        main_ = CreateWindowExW(0, L"STATIC", Wide("ロミナード").c_str(), WS_OVERLAPPEDWINDOW, kMainLeft,
                                kMainTop, kMainWidth, kMainHeight, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        created_ = form.Create(GetModuleHandleW(nullptr), main_);
    }
    ~EditFormTest() override { DestroyWindow(main_); }

    HWND Control(int id) { return FindControl(form.Handle(), id); }

    void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }

    Lines ClickOn(int id, const Lines& lines) {
        view.lines = lines;
        Click(id);
        return view.lines;
    }

    FakeCollation locale{LetterCase::kIgnored};
    DropState state{locale};
    RecordingView view;
    Win32CaseMapper cases;
    Win32Collation collation{LetterCase::kCounts};
    MessageLoop loop;
    TForm3 form{view, state, cases, collation, loop};
    HWND main_ = nullptr;
    bool created_ = false;
};

struct ControlRow {
    int id;
    const char* caption;
    int left, top, width, height;
};

const ControlRow kLayout[] = {
    {TForm3::BtnUpper, "大文字", 16, 16, 75, 25},   {TForm3::BtnLower, "小文字", 104, 16, 75, 25},
    {TForm3::BtnHalf, "半角", 16, 48, 75, 25},      {TForm3::BtnAll, "全角", 104, 48, 75, 25},
    {TForm3::BtnSortD, "名昇順", 16, 80, 75, 25},   {TForm3::BtnSortU, "名降順", 104, 80, 75, 25},
    {TForm3::BtnKindDn, "拡昇順", 16, 112, 75, 25}, {TForm3::BtnKindUp, "拡降順", 104, 112, 75, 25},
    {TForm3::BtnName, "ﾌｧｲﾙ名", 16, 144, 75, 25},   {TForm3::BitBtn1, "パス", 104, 144, 75, 25},
    {TForm3::BtnDist, "重複削除", 16, 176, 75, 25}, {TForm3::BtnBack, "戻す", 16, 208, 161, 25},
    {TForm3::BtnClose, "戻る", 104, 248, 75, 25},   {TForm3::BtnBreak, "中止", 16, 248, 75, 25},
    {TForm3::Bevel1, "", 8, 8, 177, 233},
};

TEST_F(EditFormTest, WindowAndControlsAsLaidOut) {
    ASSERT_TRUE(created_);
    const HWND hwnd = form.Handle();
    EXPECT_EQ(WindowText(hwnd), "編集");
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), main_);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 194);
    EXPECT_EQ(client.bottom, 278);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);

    for (const ControlRow& row : kLayout) {
        const HWND control = Control(row.id);
        ASSERT_NE(control, nullptr) << row.caption;
        EXPECT_EQ(WindowText(control), row.caption);
        const RECT rect = PlaceInParent(control);
        EXPECT_EQ(rect.left, row.left) << row.caption;
        EXPECT_EQ(rect.top, row.top) << row.caption;
        EXPECT_EQ(rect.right - rect.left, row.width) << row.caption;
        EXPECT_EQ(rect.bottom - rect.top, row.height) << row.caption;
    }
    EXPECT_FALSE(GetWindowLongPtrW(Control(TForm3::BtnBreak), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongPtrW(Control(TForm3::BtnClose), GWL_STYLE) & WS_VISIBLE);

    // The order-keeping duplicate removal: beside 重複削除, in the right column of the rows above.
    const RECT place = PlaceInParent(Control(TForm3::BtnDistOrder));
    const RECT left = PlaceInParent(Control(TForm3::BtnDist)),
               column = PlaceInParent(Control(TForm3::BtnLower));
    EXPECT_TRUE(place.top == left.top && place.bottom == left.bottom && place.left == column.left &&
                place.right == column.right);

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(TForm3::BtnUpper), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(FromWide(font.lfFaceName), "ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
}

TEST_F(EditFormTest, TabOrderFollowsTheTable) {
    ASSERT_TRUE(created_);
    const std::vector<int> expected = {
        TForm3::BtnUpper,  TForm3::BtnLower,  TForm3::BtnHalf,      TForm3::BtnAll,   TForm3::BtnSortD,
        TForm3::BtnSortU,  TForm3::BtnDist,   TForm3::BtnDistOrder, TForm3::BtnClose, TForm3::BtnBack,
        TForm3::BtnKindDn, TForm3::BtnKindUp, TForm3::BtnName,      TForm3::BitBtn1,  TForm3::BtnBreak};
    std::vector<int> order;
    for (HWND child = GetWindow(form.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) order.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(order, expected);
}

TEST_F(EditFormTest, FormShowPlacesItAtTheMainWindowsRightEdgeOnTop) {
    ASSERT_TRUE(created_);
    form.FormShow();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    RECT main, edit;
    GetWindowRect(main_, &main);
    GetWindowRect(form.Handle(), &edit);
    EXPECT_EQ(edit.left, kMainLeft + kMainWidth);
    EXPECT_EQ(edit.top, kMainTop);
    EXPECT_EQ(edit.left, main.right);

    // Shown again while visible: brought to the front, not moved.
    SetWindowPos(main_, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    form.FormShow();
    GetWindowRect(form.Handle(), &edit);
    EXPECT_EQ(edit.left, kMainLeft + kMainWidth);

    // Hidden by the close box, then shown: placed anew.
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindow(form.Handle()));
    form.FormShow();
    GetWindowRect(form.Handle(), &edit);
    EXPECT_EQ(edit.left, 10 + kMainWidth);
    EXPECT_EQ(edit.top, 20);
    EXPECT_TRUE(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(EditFormTest, FormShowKeepsTheWindowInsideTheWorkArea) {
    ASSERT_TRUE(created_);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // The main window against the right edge: the edit window goes as far right as the area allows.
    SetWindowPos(main_, nullptr, work.right - kMainWidth + 4, work.bottom - 20, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    form.FormShow();
    RECT edit;
    GetWindowRect(form.Handle(), &edit);
    EXPECT_EQ(edit.right, work.right);
    EXPECT_EQ(edit.bottom, work.bottom);

    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    SetWindowPos(main_, nullptr, work.left - kMainWidth - 50, work.top - 300, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    form.FormShow();
    GetWindowRect(form.Handle(), &edit);
    EXPECT_EQ(edit.left, work.left);
    EXPECT_EQ(edit.top, work.top);
}

struct ButtonRow {
    int id;
    Lines input;
    Lines expected;
};

TEST_F(EditFormTest, EachOperationButtonByMessage) {
    ASSERT_TRUE(created_);
    form.FormShow();
    const ButtonRow rows[] = {
        {TForm3::BtnUpper, {"abc表z", "ａｂ", "ｶﾞ"}, {"ABC表Z", "ＡＢ", "ｶﾞ"}},
        {TForm3::BtnLower, {"ABC表Z", "ＡＢ"}, {"abc表z", "ａｂ"}},
        {TForm3::BtnHalf, {"ＡＢＣ　ガ"}, {"ABC ｶﾞ"}},
        {TForm3::BtnAll, {"ABC ｶﾞ"}, {"ＡＢＣ　ガ"}},
        {TForm3::BtnSortD, {"b", "a", "c"}, {"a", "b", "c"}},
        {TForm3::BtnSortU, {"b", "a", "c"}, {"c", "b", "a"}},
        {TForm3::BtnKindDn, {"x.txt", "y.bmp", "z", "a.txt"}, {"z", "y.bmp", "a.txt", "x.txt"}},
        {TForm3::BtnKindUp, {"x.txt", "y.bmp", "z", "a.txt"}, {"x.txt", "a.txt", "y.bmp", "z"}},
        {TForm3::BtnName, {"C:\\dir\\a.txt", "C:\\dir\\表", "a.txt"}, {"a.txt", "表", "a.txt"}},
        {TForm3::BitBtn1, {"C:\\dir\\a.txt", "C:\\dir\\表", "a.txt"}, {"C:\\dir\\", "C:\\dir\\", ""}},
        {TForm3::BtnDist, {"b", "a", "b", "A", "a"}, {"a", "A", "b"}},
        {TForm3::BtnDistOrder, {"b", "a", "b", "A", "a", "表"}, {"b", "a", "A", "表"}},
    };
    for (const ButtonRow& row : rows) {
        EXPECT_EQ(ClickOn(row.id, row.input), row.expected) << WindowText(Control(row.id));
        Click(TForm3::BtnBack);
        EXPECT_EQ(view.lines, row.input) << WindowText(Control(row.id));
    }
}

TEST_F(EditFormTest, AbortButtonOnlyWhileAnOperationRunsAndItAborts) {
    ASSERT_TRUE(created_);
    form.FormShow();
    const HWND breakButton = Control(TForm3::BtnBreak);
    EXPECT_FALSE(IsWindowVisible(breakButton));
    bool visibleWhileRunning = false;
    view.OnPump(2, [&] {
        visibleWhileRunning = IsWindowVisible(breakButton);
        SendMessageW(breakButton, BM_CLICK, 0, 0);
    });
    const Lines input(3000, "abc");
    EXPECT_EQ(ClickOn(TForm3::BtnUpper, input), input);
    EXPECT_TRUE(visibleWhileRunning);
    EXPECT_FALSE(IsWindowVisible(breakButton));
    EXPECT_EQ(view.CallsStartingWith("status 3"),
              (Lines{"status 3 [ESC]キーで中断", "status 3 中断中! 少々お待ちください", "status 3 "}));
    EXPECT_FALSE(state.FBusy);
    EXPECT_NE(GetFocus(), breakButton);
}

TEST_F(EditFormTest, BusyMainWindowRefusesEveryOperation) {
    ASSERT_TRUE(created_);
    form.FormShow();
    state.FBusy = true;
    EXPECT_EQ(ClickOn(TForm3::BtnSortD, {"b", "a"}), (Lines{"b", "a"}));
    EXPECT_EQ(view.calls, (Lines{"message 編集中のため処理できません。"}));
}

TEST_F(EditFormTest, BackCloseAndTheCloseBox) {
    ASSERT_TRUE(created_);
    form.FormShow();
    ClickOn(TForm3::BtnUpper, {"one", "two"});
    ClickOn(TForm3::BtnSortU, view.lines);
    EXPECT_EQ(view.lines, (Lines{"TWO", "ONE"}));
    Click(TForm3::BtnBack);
    Click(TForm3::BtnBack);
    EXPECT_EQ(view.lines, (Lines{"ONE", "TWO"}));

    // The close box hides the window and keeps the undo copy.
    SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    view.lines.clear();
    form.FormShow();
    Click(TForm3::BtnBack);
    EXPECT_EQ(view.lines, (Lines{"ONE", "TWO"}));

    // "戻る" forgets it and hides the window; "戻す" then has nothing to restore and changes nothing.
    Click(TForm3::BtnClose);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    form.FormShow();
    Click(TForm3::BtnBack);
    EXPECT_EQ(view.lines, (Lines{"ONE", "TWO"}));
}

TEST_F(EditFormTest, TabMovesThroughTheButtonsThroughTheLoop) {
    ASSERT_TRUE(created_);
    form.FormShow();
    SetForegroundWindow(form.Handle());
    SetFocus(Control(TForm3::BtnSortU));
    ASSERT_EQ(GetFocus(), Control(TForm3::BtnSortU));
    PostMessageW(Control(TForm3::BtnSortU), WM_KEYDOWN, VK_TAB, 0);
    loop.Pump();
    EXPECT_EQ(GetFocus(), Control(TForm3::BtnDist));
}

// A picture of the window as shown, kept in the build folder for a look; the frame must stand out from the
// face colour around it.
TEST_F(EditFormTest, PictureOfTheWindow) {
    ASSERT_TRUE(created_);
    form.FormShow();
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect;
    GetWindowRect(form.Handle(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    POINT origin{0, 0};
    ClientToScreen(form.Handle(), &origin);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top row first
    info.biPlanes = 1;
    info.biBitCount = 32;
    void* bits = nullptr;
    const BitmapOwner bitmap(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bitmap);
    {
        const MemoryDcOwner memory(CreateCompatibleDC(nullptr));
        const WindowDcOwner window(form.Handle(), WindowDcOwner::kWholeWindow);
        const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, window.get(), 0, 0, SRCCOPY);
        SelectObject(memory.get(), previous);
    }
    const auto* pixel = static_cast<const std::uint32_t*>(bits);
    auto at = [&](int x, int y) {
        const std::uint32_t bgr = pixel[(origin.y - rect.top + y) * width + (origin.x - rect.left + x)];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    };

    if (FILE* file = std::fopen("edit-window.bmp", "wb")) {
        info.biHeight = height;  // a file holds the bottom row first
        BITMAPFILEHEADER header{};
        header.bfType = 0x4D42;
        header.bfOffBits = sizeof header + sizeof info;
        header.bfSize = header.bfOffBits + static_cast<DWORD>(width * height * 4);
        std::fwrite(&header, sizeof header, 1, file);
        std::fwrite(&info, sizeof info, 1, file);
        for (int y = height - 1; y >= 0; --y)
            std::fwrite(pixel + y * width, 4, static_cast<std::size_t>(width), file);
        std::fclose(file);
    }
    EXPECT_EQ(at(4, 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(at(12, 100), GetSysColor(COLOR_BTNFACE));  // inside the frame, between the buttons
    EXPECT_EQ(at(8, 100), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(at(9, 100), GetSysColor(COLOR_BTNHIGHLIGHT));
}

// Over the program's own main window: its text area, status bar, pump and message box.
class EditOverMainWindowTest : public ::testing::Test {
protected:
    EditOverMainWindowTest() {
        created_ =
            main.Create(GetModuleHandleW(nullptr)) && form.Create(GetModuleHandleW(nullptr), main.Handle());
        main.SetCommands({[this] { form.FormShow(); }, {}, {}, {}, {}});
        // At the screen's left edge, so that the edit window fits beside it on the test's screen.
        SetWindowPos(main.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(main.Handle(), SW_SHOW);
        SendMessageW(main.Item(kBtnEdit), BM_CLICK, 0, 0);
    }

    Text Panel3() {
        wchar_t text[256] = {};
        SendMessageW(main.Item(kStatus1), SB_GETTEXTW, 3, reinterpret_cast<LPARAM>(text));
        return FromWide(text);
    }

    void Click(int id) { SendMessageW(FindControl(form.Handle(), id), BM_CLICK, 0, 0); }

    // Clicks id with a click on "中止" waiting in the queue: the run ends at its first pump, leaving the
    // status panel empty, the state idle and "中止" hidden.
    void ClickAborted(int id) {
        PostMessageW(FindControl(form.Handle(), TForm3::BtnBreak), BM_CLICK, 0, 0);
        Click(id);
        EXPECT_EQ(Panel3(), "");
        EXPECT_FALSE(main.State().FBusy);
        EXPECT_FALSE(IsWindowVisible(FindControl(form.Handle(), TForm3::BtnBreak)));
    }

    MessageLoop loop;
    Services services;
    TForm1 main{loop, services.ForMainWindow()};
    Win32CaseMapper cases;
    Win32Collation collation{LetterCase::kCounts};
    TForm3 form{main.TextArea(), main.State(), cases, collation, loop};
    bool created_ = false;
};

TEST_F(EditOverMainWindowTest, TheEditButtonShowsItAtTheRightEdge) {
    ASSERT_TRUE(created_);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    RECT main, edit;
    GetWindowRect(this->main.Handle(), &main);
    GetWindowRect(form.Handle(), &edit);
    EXPECT_EQ(edit.left, main.right);
    EXPECT_EQ(edit.top, main.top);
}

// The text area's lines are read and written whole: a line far longer than 4096 bytes comes through a sort
// and a case change byte for byte.
TEST_F(EditOverMainWindowTest, LongLinesComeThroughWhole) {
    ASSERT_TRUE(created_);
    Text longLine = "m";
    for (int i = 0; i < 2000; ++i)
        longLine += "表x";  // 10,001 bytes, a 5C second byte every three
    main.TextArea().ReplaceAllLines({"z", longLine, "a"});
    Click(TForm3::BtnSortD);
    EXPECT_EQ(main.TextArea().MemoText(), "a\r\n" + longLine + "\r\nz\r\n");
    Click(TForm3::BtnUpper);
    Text upper = longLine;
    for (char& c : upper) {
        if (c == 'x' || c == 'm') c = static_cast<char>(c - 0x20);
    }
    EXPECT_EQ(main.TextArea().ReadAllLines(), (Lines{"A", upper, "Z"}));
    Click(TForm3::BtnBack);
    EXPECT_EQ(main.TextArea().ReadAllLines(), (Lines{"a", longLine, "z"}));
}

// "中止" pressed while an operation or "戻す" pumps: the click waits in the queue, is handled at the first
// pump and leaves the text as it is.
TEST_F(EditOverMainWindowTest, SortAndUndoAreAbortedThroughTheRealPump) {
    ASSERT_TRUE(created_);
    main.TextArea().ReplaceAllLines({"b", "a"});
    ClickAborted(TForm3::BtnSortD);
    EXPECT_EQ(main.TextArea().ReadAllLines(), (Lines{"b", "a"}));
    Click(TForm3::BtnSortD);
    EXPECT_EQ(main.TextArea().ReadAllLines(), (Lines{"a", "b"}));
    ClickAborted(TForm3::BtnBack);
    EXPECT_EQ(main.TextArea().ReadAllLines(), (Lines{"a", "b"}));
    Click(TForm3::BtnBack);
    EXPECT_EQ(main.TextArea().ReadAllLines(), (Lines{"b", "a"}));
}

TEST_F(EditOverMainWindowTest, BusyRefusalShowsThePlainMessage) {
    ASSERT_TRUE(created_);
    main.TextArea().ReplaceAllLines({"b", "a"});
    main.State().FBusy = true;
    BoxAnswerer answerer;
    Click(TForm3::BtnSortD);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "ロミナード");
    EXPECT_EQ(answerer.Boxes()[0].text, "編集中のため処理できません。");
    EXPECT_EQ(main.TextArea().ReadAllLines(), (Lines{"b", "a"}));
    main.State().FBusy = false;
}

// The frame surrounds the operation buttons.
void ExpectFramed(HWND window, UINT dpi) {
    const RECT bevel = layout::InParent(FindControl(window, TForm3::Bevel1));
    for (int id :
         {TForm3::BtnUpper, TForm3::BtnLower, TForm3::BtnDist, TForm3::BtnDistOrder, TForm3::BtnBack}) {
        const RECT button = layout::InParent(FindControl(window, id));
        RECT inside;
        IntersectRect(&inside, &bevel, &button);
        EXPECT_TRUE(EqualRect(&inside, &button)) << id << " at " << dpi;
    }
}

TEST_F(EditFormTest, LaidOutAgainAtEachDpiItMovesTo) {
    ASSERT_TRUE(created_);
    // The abort button too, which shows only while an operation runs.
    ShowWindow(Control(TForm3::BtnBreak), SW_SHOWNA);
    for (const UINT dpi : {96u, 120u, 144u, 192u}) {
        EXPECT_EQ(layout::ExpectTidyAfterMove(form.Handle(), dpi, 194, 278, {TForm3::Bevel1}), 16);
        EXPECT_EQ(layout::FontHeight(Control(TForm3::BtnDist)), -ScaleForDpi(12, dpi)) << dpi;
        const RECT back = layout::InParent(Control(TForm3::BtnClose));
        EXPECT_EQ(back.right, ScaleForDpi(179, dpi));
        EXPECT_EQ(back.bottom, ScaleForDpi(273, dpi));
        ExpectFramed(form.Handle(), dpi);
    }
}

// Made in a wider face than its table was measured in: 重複(順保持) needs more than its 75 pixels.
class EditFormWiderFontTest : private layout::WiderFont, public EditFormTest {};

TEST_F(EditFormWiderFontTest, EveryCaptionFitsInsideTheFrameAt96And144Dpi) {
    ASSERT_TRUE(created_);
    ShowWindow(Control(TForm3::BtnBreak), SW_SHOWNA);
    for (const UINT dpi : {96u, 144u}) {
        EXPECT_EQ(layout::ExpectTidyAfterMove(form.Handle(), dpi, 194, 278, {TForm3::Bevel1}), 16);
        ExpectFramed(form.Handle(), dpi);
    }
}

}  // namespace
