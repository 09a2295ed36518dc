// The settings window driven by messages: its layout, the flags it shows, the confirmation box, and the
// shortcut files it writes into a desktop and Send To folder of a temporary tree.
#include "shell/SetForm.h"

#include <gtest/gtest.h>

#include "platform/win32/MessageLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32NameLookup.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/FileBytes.h"
#include "tests/win32/LayoutChecks.h"
#include "tests/win32/ShortcutFiles.h"
#include "tests/win32/TempTree.h"
#include "text/AppError.h"

namespace {

bool Exists(const Text& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SetFormTest : public ::testing::Test {
protected:
    SetFormTest() {
        tree.Folder("Desktop");
        tree.Folder("SendTo");
        shell.desktop = tree.Path("Desktop");
        EXPECT_TRUE(form.Create(GetModuleHandleW(nullptr), nullptr));
    }

    HWND Control(int id) const { return form.Item(id); }
    bool Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The window is made active first, and what that brings is handled: an activation that came later, with
    // the click, would copy the stored flags over the boxes just set (as it does for a user).
    void Activate() {
        SetActiveWindow(form.Handle());
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    void Check(int id, bool on) {
        Activate();
        SendMessageW(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void Apply() { SendMessageW(Control(kBtSetn), BM_CLICK, 0, 0); }
    // As the user changes a choice: the control tells the window.
    void Click(int id) {
        Activate();
        SendMessageW(Control(id), BM_CLICK, 0, 0);
    }
    // As a click on the tab of that page of the output group.
    void ShowPage(int page) {
        const HWND tabs = Control(kOutputPages);
        SendMessageW(tabs, TCM_SETCURSEL, page, 0);
        NMHDR header{tabs, static_cast<UINT_PTR>(kOutputPages), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(form.Handle(), WM_NOTIFY, kOutputPages, reinterpret_cast<LPARAM>(&header));
    }

    void Choose(int id, int index) {
        Activate();
        SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(Control(id)));
    }
    int Chosen(int id) const { return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0)); }

    void ShowWidestSamples() {
        form.Show();
        Choose(kCmbQuoting, 1);
        Choose(kCmbSeparator, 4);
        SetWindowTextW(Control(kEdtSeparator), Wide("表表表表表表表表").c_str());
        Choose(kCmbSlashes, 2);
        Choose(kCmbTree, 1);
        SetWindowTextW(Control(kEdtMasks), Wide("bin\\;;").c_str());
        for (const int id : {kChkFolderMark, kChkSizeColumn, kChkTimeColumn, kChkAttributeColumn,
                             kChkCodePageNames, kChkCsv, kChkHidden})
            Click(id);
    }

    // Each page of the output group in turn, beside the 11 controls always shown (the tabs hold one of their
    // own): the columns' and the walk's page with 19, then the lines' page with 21.
    void ExpectTidyOnBothPages(UINT dpi) {
        ShowPage(1);
        EXPECT_EQ(layout::ExpectTidyAfterMove(form.Handle(), dpi, 506, 349, {kSetFormBevel, kOutputBevel}),
                  30);
        ShowPage(0);
        EXPECT_EQ(layout::ExpectTidyAfterMove(form.Handle(), dpi, 506, 349, {kSetFormBevel, kOutputBevel}),
                  32);
    }

    ComApartment com;
    layout::ProgramControls programControls;
    TempTree tree;
    const Text deskLink = tree.Path("Desktop\\ロミナード.lnk");
    const Text sendLink = tree.Path("SendTo\\ロミナード.lnk");
    TempDesktopShell shell;
    Win32NameLookup lookup;
    bool deskTopSet = false;
    bool sendToSet = false;
    OutputOptions output;
    int saves = 0;
    OutputOptions saved;     // the options as the callback found them
    bool saveFails = false;  // the callback cannot keep them
    TForm2 form{{deskTopSet, sendToSet}, shell, lookup, output, [this] {
                    ++saves;
                    saved = output;
                    if (saveFails) throw AppError("D:\\Data.INI に書き込めません");
                }};
};

TEST_F(SetFormTest, LayoutAsDesigned) {
    EXPECT_EQ(WindowText(form.Handle()), "設定画面");
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    RECT frame, client;
    GetWindowRect(form.Handle(), &frame);
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(frame.left, 378);
    EXPECT_EQ(frame.top, 128);
    EXPECT_EQ(client.right, 506);
    EXPECT_EQ(client.bottom, 349);
    const LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    const struct {
        int id;
        Text caption;
        RECT rect;  // left, top, right, bottom in the window's client area
        LONG kind;
    } controls[] = {
        {kSetFormBevel, "", {8, 8, 289, 65}, SS_ETCHEDFRAME},
        {kChkDesk, "ディスクトップにショートカットを作成する", {32, 16, 273, 33}, BS_AUTOCHECKBOX},
        {kChkSend, "エクスプローラの送るに登録する", {32, 40, 257, 57}, BS_AUTOCHECKBOX},
        {kBtSetn, "適用(&Y)", {40, 80, 129, 105}, BS_PUSHBUTTON},
        {kBtnCloce, "ｷｬﾝｾﾙ(&N)", {176, 80, 265, 105}, BS_PUSHBUTTON},
        {kChkCodePageNames, "932 にない名前は 8.3 か ?(&J)", {297, 40, 490, 57}, BS_AUTOCHECKBOX},
    };
    for (const auto& c : controls) {
        const HWND control = Control(c.id);
        ASSERT_TRUE(control) << c.id;
        EXPECT_EQ(WindowText(control), c.caption);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, c.rect.left) << c.caption;
        EXPECT_EQ(rect.top, c.rect.top) << c.caption;
        EXPECT_EQ(rect.right, c.rect.right) << c.caption;
        EXPECT_EQ(rect.bottom, c.rect.bottom) << c.caption;
        const LONG kindMask = c.id == kSetFormBevel ? SS_TYPEMASK : BS_TYPEMASK;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & kindMask, c.kind) << c.caption;
    }
    // The system's tab order is the order of the children.
    const int tabOrder[] = {kChkDesk, kChkSend, kBtSetn, kBtnCloce};
    HWND child = GetWindow(form.Handle(), GW_CHILD);
    for (int id : tabOrder) {
        ASSERT_TRUE(child);
        EXPECT_EQ(GetDlgCtrlID(child), id);
        EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP);
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

// The shortcut boxes mirror files on disk and are read again on every activation; the output choices are the
// user's typing and stay until the window is closed.
TEST_F(SetFormTest, ActivationShowsTheStoredFlagsAgainAndKeepsUnappliedOutputChoices) {
    deskTopSet = true;
    form.Show();
    EXPECT_TRUE(Checked(kChkDesk));
    EXPECT_FALSE(Checked(kChkSend));

    Check(kChkDesk, false);
    Check(kChkSend, true);
    Choose(kCmbSeparator, 2);
    Choose(kCmbOrder, 2);
    const Text separatorSample = WindowText(Control(kSmpSeparator));
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    EXPECT_FALSE(Checked(kChkDesk)) << "leaving the window changes nothing yet";
    SetActiveWindow(form.Handle());
    EXPECT_TRUE(Checked(kChkDesk));
    EXPECT_FALSE(Checked(kChkSend));
    EXPECT_EQ(Chosen(kCmbSeparator), 2);
    EXPECT_EQ(Chosen(kCmbOrder), 2);
    EXPECT_EQ(WindowText(Control(kSmpSeparator)), separatorSample);
    EXPECT_EQ(output, OutputOptions()) << "nothing is applied by coming back";
    DestroyWindow(other);

    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    form.Show();
    EXPECT_EQ(Chosen(kCmbSeparator), 0) << "closing discards the unapplied choices";
    EXPECT_EQ(Chosen(kCmbOrder), 0);
    EXPECT_NE(WindowText(Control(kSmpSeparator)), separatorSample);
}

TEST_F(SetFormTest, ComingBackFromAnotherProgramKeepsUnappliedBoxes) {
    deskTopSet = true;
    form.Show();
    Check(kChkDesk, false);
    // Activated with no window of this program left behind: the user returns from another program.
    SendMessageW(form.Handle(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_FALSE(Checked(kChkDesk));

    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    form.Show();
    EXPECT_TRUE(Checked(kChkDesk)) << "showing the window again shows the stored flags";
}

TEST_F(SetFormTest, CancelInTheConfirmationChangesNothing) {
    form.Show();
    Check(kChkDesk, true);
    Check(kChkSend, true);
    BoxAnswerer answerer({IDCANCEL});
    Apply();
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "確認");
    EXPECT_EQ(answerer.Boxes()[0].text,
              "ﾃﾞｨｽｸﾄｯﾌﾟへｼｮｰﾄｶｯﾄを作成します。\r\nｴｸｽﾌﾟﾛｰﾗの「送る」に登録します。\r\nよろしいですか？");
    EXPECT_TRUE(answerer.Boxes()[0].hasIcon);
    EXPECT_FALSE(Exists(deskLink));
    EXPECT_FALSE(Exists(sendLink));
    EXPECT_FALSE(deskTopSet);
    EXPECT_FALSE(sendToSet);
    EXPECT_TRUE(IsWindowEnabled(Control(kBtSetn)));
    EXPECT_TRUE(Checked(kChkDesk)) << "the box closing is no activation that resets the boxes";
    EXPECT_TRUE(Checked(kChkSend));
}

TEST_F(SetFormTest, ConfirmedBoxesCreateThenDeleteBothShortcuts) {
    form.Show();
    Check(kChkDesk, true);
    Check(kChkSend, true);
    {
        BoxAnswerer answerer;
        Apply();
        ASSERT_EQ(answerer.Boxes().size(), 1u) << "no box but the confirmation";
    }
    EXPECT_TRUE(deskTopSet);
    EXPECT_TRUE(sendToSet);
    EXPECT_TRUE(IsWindowEnabled(Control(kBtSetn)));
    EXPECT_TRUE(IsWindowVisible(form.Handle())) << "the window stays open after applying";

    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const Text programPath = FromWide(program);
    for (const Text& file : {deskLink, sendLink}) {
        const LinkFields link = ReadLink(file);
        EXPECT_EQ(link.target, programPath) << file;
        EXPECT_EQ(link.workDir, programPath.substr(0, programPath.rfind('\\') + 1)) << file;
        EXPECT_EQ(link.description, "ロミナード") << file;
        EXPECT_EQ(link.arguments, "") << file;
    }

    Check(kChkDesk, false);
    Check(kChkSend, false);
    {
        BoxAnswerer answerer;
        Apply();
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        EXPECT_EQ(
            answerer.Boxes()[0].text,
            "ﾃﾞｨｽｸﾄｯﾌﾟからｼｮｰﾄｶｯﾄを削除します。\r\nｴｸｽﾌﾟﾛｰﾗの「送る」から削除します。\r\nよろしいですか？");
    }
    EXPECT_FALSE(Exists(deskLink));
    EXPECT_FALSE(Exists(sendLink));
    EXPECT_FALSE(deskTopSet);
    EXPECT_FALSE(sendToSet);
}

TEST_F(SetFormTest, ExistingShortcutIsNeverRewritten) {
    tree.File("Desktop\\ロミナード.lnk", "not a link");
    form.Show();
    Check(kChkDesk, true);
    BoxAnswerer answerer;
    Apply();
    EXPECT_EQ(FileBytes(deskLink), "not a link");
    EXPECT_TRUE(deskTopSet);
}

TEST_F(SetFormTest, ShortcutThatCannotBeSavedIsReported) {
    RemoveDirectoryW(Wide(tree.Path("SendTo")).c_str());
    form.Show();
    Check(kChkDesk, true);
    Check(kChkSend, true);
    BoxAnswerer answerer;
    Apply();
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[1].caption, "情報");
    EXPECT_EQ(answerer.Boxes()[1].text, "ショートカット " + sendLink + " を作成できません。");
    EXPECT_TRUE(answerer.Boxes()[1].hasIcon);
    EXPECT_TRUE(Exists(deskLink));
    EXPECT_TRUE(deskTopSet);
    EXPECT_TRUE(sendToSet);
}

TEST_F(SetFormTest, EscAndTheCloseBoxOnlyHide) {
    MessageLoop loop;
    loop.AddModeless(form.Handle());
    deskTopSet = true;
    form.Show();
    Check(kChkSend, true);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    loop.Pump();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(sendToSet);

    form.Show();
    EXPECT_FALSE(Checked(kChkSend)) << "reopening shows the stored flags";
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

// The confirmation asks about the shortcuts only: cancelled, the output choices are still applied.
TEST_F(SetFormTest, ApplyingKeepsTheOutputChoicesOnceOrSaysWhyNot) {
    saveFails = true;
    form.Show();
    Check(kChkDesk, true);
    Choose(kCmbQuoting, 1);
    Choose(kCmbSeparator, 3);
    Choose(kCmbSlashes, 1);
    Choose(kCmbOrder, 1);
    for (const int id : {kChkNoLastEnd, kChkRelative, kChkSizeColumn, kChkAttributeColumn, kChkOnlineFiles,
                         kChkCodePageNames, kChkShiftJisContents})
        Click(id);
    EXPECT_EQ(output, OutputOptions()) << "nothing is applied before 適用";
    BoxAnswerer answerer({IDCANCEL});
    Apply();
    // clang-format off
    OutputOptions expected{Quoting::Always, LineSeparator::Comma, "", false, SlashStyle::Slash,
                           false, true, true, EntryOrder::Drop, true, false, true, true};
    // clang-format on
    expected.codePageNames = true;
    expected.contentsEncoding = ContentsEncoding::ShiftJis;
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(saved, expected);
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[1].text, "D:\\Data.INI に書き込めません.");
}

// The walk's choices and the path forms go into the options as chosen, each with its sample.
TEST_F(SetFormTest, WalkChoicesAndPathFormsAreAppliedWithTheirSamples) {
    form.Show();
    ShowPage(1);
    EXPECT_FALSE(IsWindowVisible(Control(kCmbQuoting))) << "one page at a time";
    SetWindowTextW(Control(kEdtMasks), Wide(".git\\; ;*.obj").c_str());
    EXPECT_EQ(WindowText(Control(kSmpMasks)), "フォルダ: .git  ファイル: *.obj  無効: (空)");
    Choose(kCmbDepth, 3);
    Choose(kCmbKinds, 2);
    EXPECT_EQ(WindowText(Control(kSmpDepth)), "表\\");
    Choose(kCmbTree, 2);
    EXPECT_EQ(WindowText(Control(kSmpTree)).substr(0, 15), "C:\\資料↓+--");
    Choose(kCmbSlashes, 3);
    EXPECT_EQ(WindowText(Control(kSmpSlashes)), "/mnt/c/資料/表計算/売上 一覧.txt");
    Click(kChkCsv);
    Click(kChkHidden);
    Click(kChkHeadings);
    EXPECT_EQ(WindowText(Control(kSmpHeadings)), "■ C:\\資料\\表計算\\売上 一覧.txt↓ファイルの 1 行目");
    BoxAnswerer answerer({IDCANCEL});
    Apply();
    OutputOptions expected;
    expected.excludeMasks = ".git\\; ;*.obj";
    expected.depth = 3;
    expected.kinds = EntryKinds::FoldersOnly;
    expected.tree = TreeStyle::Ascii;
    expected.slashes = SlashStyle::Wsl;
    expected.csv = true;
    expected.includeHidden = true;
    expected.contentsHeadings = true;
    EXPECT_EQ(output, expected);
}

TEST_F(SetFormTest, CancelDiscardsOutputChoicesAndShowingAgainShowsThoseInForce) {
    output.quoting = Quoting::WhenSpace;
    output.separator = LineSeparator::Custom;
    output.customSeparator = "・";
    output.folderMark = true;
    output.codePageNames = true;
    form.Show();
    Choose(kCmbQuoting, 0);
    Choose(kCmbOrder, 2);
    Click(kChkFolderMark);
    Click(kChkCodePageNames);
    Click(kBtnCloce);
    form.Show();
    EXPECT_EQ(Chosen(kCmbQuoting), 2);
    EXPECT_EQ(Chosen(kCmbSeparator), 4);
    EXPECT_EQ(WindowText(Control(kEdtSeparator)), "・");
    EXPECT_EQ(Chosen(kCmbOrder), 0);
    EXPECT_TRUE(Checked(kChkFolderMark));
    EXPECT_TRUE(Checked(kChkCodePageNames));
}

TEST_F(SetFormTest, SamplesFollowTheChoicesAndTheCustomSeparatorIsHeldToItsLimit) {
    form.Show();
    Choose(kCmbSlashes, 1);
    EXPECT_EQ(WindowText(Control(kSmpSlashes)), "C:/資料/表計算/売上 一覧.txt");
    EXPECT_EQ(WindowText(Control(kSmpCodePageNames)), "C:\\資料\\café.txt") << "names as stored by default";
    Click(kChkCodePageNames);
    EXPECT_EQ(WindowText(Control(kSmpCodePageNames)), "C:\\資料\\CAF_~1.TXT / caf?.txt");
    EXPECT_FALSE(IsWindowEnabled(Control(kEdtSeparator)));
    Choose(kCmbSeparator, 4);
    EXPECT_TRUE(IsWindowEnabled(Control(kEdtSeparator)));
    SetWindowTextW(Control(kEdtSeparator), Wide("表表表表表表表表表表").c_str());
    EXPECT_NE(WindowText(Control(kSmpSeparator)).find("表表"), Text::npos);
    BoxAnswerer answerer;
    Apply();
    EXPECT_EQ(output.customSeparator, "表表表表表表表表");
}

// Laid out with the widest samples the choices give.
TEST_F(SetFormTest, LaidOutAgainAtEachDpiItMovesTo) {
    ShowWidestSamples();
    for (const UINT dpi : {96u, 120u, 144u, 192u}) {
        ExpectTidyOnBothPages(dpi);
        EXPECT_EQ(layout::FontHeight(Control(kChkDesk)), -ScaleForDpi(12, dpi)) << dpi;
        EXPECT_EQ(layout::FontHeight(Control(kBtnCloce)), -ScaleForDpi(12, dpi)) << dpi;
        EXPECT_EQ(layout::FontHeight(Control(kSmpColumns)), -ScaleForDpi(12, dpi)) << dpi;
        const RECT cancel = layout::InParent(Control(kBtnCloce));
        EXPECT_EQ(cancel.right, ScaleForDpi(265, dpi));
        EXPECT_EQ(cancel.bottom, ScaleForDpi(105, dpi));
    }
}

// Made in a wider face than its table was measured in.
class SetFormWiderFontTest : private layout::WiderFont, public SetFormTest {};

TEST_F(SetFormWiderFontTest, EveryCaptionAndSampleFitsAt96And144Dpi) {
    ShowWidestSamples();
    for (const UINT dpi : {96u, 144u})
        ExpectTidyOnBothPages(dpi);
}

}  // namespace
