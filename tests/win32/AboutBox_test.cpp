// The about box driven by messages: its layout and fonts, one box however often it is shown, and the keys
// and buttons that hide it or do nothing.
#include "shell/Ver.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "platform/win32/MessageLoop.h"
#include "platform/win32/WideText.h"
#include "tests/win32/LayoutChecks.h"

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest() { EXPECT_TRUE(box.Create(GetModuleHandleW(nullptr), nullptr)); }

    RECT ClientRectOf(HWND control, HWND parent) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    TAboutBox box;
};

TEST_F(AboutBoxTest, LayoutTextsAndFonts) {
    EXPECT_EQ(WindowText(box.Handle()), "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_FALSE(IsWindowVisible(box.Handle()));
    RECT client;
    GetClientRect(box.Handle(), &client);
    EXPECT_EQ(client.right, 298);
    EXPECT_EQ(client.bottom, 222);
    EXPECT_FALSE(GetWindowLongW(box.Handle(), GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    const HWND panel = box.Item(kPanel1);
    const struct {
        int id;
        HWND parent;
        Text text;
        RECT rect;
        int fontHeight;  // pixels; 0 for no check
        bool bold;
    } controls[] = {
        {kPanel1, box.Handle(), "", {8, 8, 289, 169}, 0, false},
        {kProgramIcon, panel, "", {24, 16, 73, 65}, 0, false},
        {kProductName, panel, "アプリ名： ロミナード", {88, 16, 270, 32}, 16, true},
        {kVersion, panel, "Version： 1.22e", {96, 40, 194, 56}, 16, false},
        {kMaker, panel, "製作者： Kelvoro", {8, 74, 112, 89}, 15, false},
        {kLabel2, panel, "更新日： 00/01/16", {8, 92, 130, 107}, 15, false},
        {kAboutLabel1, panel, "機   能： フルパスを取得するアプリ", {8, 130, 227, 145}, 15, false},
        {kOKButton, box.Handle(), "OK", {112, 184, 187, 209}, 12, false},
    };
    for (const auto& c : controls) {
        const HWND control = box.Item(c.id);
        ASSERT_TRUE(control) << c.id;
        EXPECT_EQ(GetParent(control), c.parent) << c.text;
        EXPECT_EQ(WindowText(control), c.text);
        const RECT rect = ClientRectOf(control, c.parent);
        EXPECT_EQ(rect.left, c.rect.left) << c.text;
        EXPECT_EQ(rect.top, c.rect.top) << c.text;
        // A label is at least as wide as laid out; wider when the substitute font needs it.
        if (c.text.empty() || c.id == kOKButton) {
            EXPECT_EQ(rect.right, c.rect.right) << c.text;
        } else {
            EXPECT_GE(rect.right, c.rect.right) << c.text;
            EXPECT_LE(rect.right, 281) << c.text << " leaves the panel";
            SIZE size{};
            const HDC dc = GetDC(control);
            const HGDIOBJ previous =
                SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
            const std::wstring text = Wide(c.text);
            GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
            SelectObject(dc, previous);
            ReleaseDC(control, dc);
            EXPECT_GE(rect.right - rect.left, size.cx) << c.text << " is cut";
        }
        EXPECT_EQ(rect.bottom, c.rect.bottom) << c.text;
        if (c.fontHeight == 0) continue;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -c.fontHeight) << c.text;
        EXPECT_EQ(font.lfWeight >= FW_BOLD, c.bold) << c.text;
        EXPECT_EQ(FromWide(font.lfFaceName), "ＭＳ Ｐゴシック") << c.text;
        EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET) << c.text;
    }
    // Without the program's resources the picture stays empty.
    EXPECT_EQ(SendMessageW(box.Item(kProgramIcon), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    // Neither the default nor the cancel button.
    EXPECT_NE(GetDlgCtrlID(box.Item(kOKButton)), IDOK);
    EXPECT_NE(GetDlgCtrlID(box.Item(kOKButton)), IDCANCEL);
    EXPECT_EQ(GetWindowLongW(box.Item(kOKButton), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(AboutBoxTest, ProductNameInTheHighlightColour) {
    const HDC dc = GetDC(box.Handle());
    for (const int id : {kProductName, kVersion}) {
        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageW(box.Item(kPanel1), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(box.Item(id)));
        EXPECT_EQ(GetTextColor(dc), GetSysColor(id == kProductName ? COLOR_HIGHLIGHT : COLOR_WINDOWTEXT))
            << id;
    }
    ReleaseDC(box.Handle(), dc);
}

TEST_F(AboutBoxTest, FirstShowingCentresLaterOnesDoNotMove) {
    box.Show();
    EXPECT_TRUE(IsWindowVisible(box.Handle()));
    RECT frame;
    GetWindowRect(box.Handle(), &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    SetWindowPos(box.Handle(), nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(box.Item(kOKButton), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(box.Handle()));
    box.Show();
    box.Show();
    GetWindowRect(box.Handle(), &frame);
    EXPECT_EQ(frame.left, 5);
    EXPECT_EQ(frame.top, 6);
    EXPECT_TRUE(IsWindowVisible(box.Handle()));
    EXPECT_FALSE(GetWindowLongW(box.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(AboutBoxTest, EscDoesNothingTheCloseBoxHides) {
    MessageLoop loop;
    loop.AddModeless(box.Handle());
    box.Show();
    ASSERT_EQ(GetFocus(), box.Item(kOKButton));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    loop.Pump();
    EXPECT_TRUE(IsWindowVisible(box.Handle()));
    SendMessageW(box.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(box.Handle()));
    EXPECT_FALSE(IsWindowVisible(box.Handle()));
}

TEST_F(AboutBoxTest, LaidOutAgainAtEachDpiItMovesTo) {
    const int ids[] = {kPanel1, kProgramIcon, kProductName, kVersion,
                       kMaker,  kLabel2,      kAboutLabel1, kOKButton};
    std::vector<RECT> at96;
    for (int id : ids)
        at96.push_back(layout::InParent(box.Item(id)));
    for (const UINT dpi : {120u, 144u, 192u, 96u}) {
        EXPECT_EQ(layout::ExpectTidyAfterMove(box.Handle(), dpi, 298, 222, {kPanelFrame}), 9);
        EXPECT_EQ(layout::FontHeight(box.Item(kProductName)), -ScaleForDpi(16, dpi)) << dpi;
        EXPECT_EQ(layout::FontHeight(box.Item(kMaker)), -ScaleForDpi(15, dpi)) << dpi;
        EXPECT_EQ(layout::FontHeight(box.Item(kOKButton)), -ScaleForDpi(12, dpi)) << dpi;
        const RECT ok = layout::InParent(box.Item(kOKButton));
        EXPECT_EQ(ok.left, ScaleForDpi(112, dpi)) << dpi;
        EXPECT_EQ(ok.bottom, ScaleForDpi(209, dpi)) << dpi;
    }
    // Back at 96 DPI every control stands where it stood: nothing drifts from one scaling to the next.
    for (std::size_t i = 0; i < std::size(ids); ++i) {
        const RECT now = layout::InParent(box.Item(ids[i]));
        EXPECT_TRUE(EqualRect(&now, &at96[i])) << ids[i];
    }
}

// Made in a wider face than its table was measured in: the labels grow, the frame and the panel with them.
class AboutBoxWiderFontTest : private layout::WiderFont, public AboutBoxTest {};

TEST_F(AboutBoxWiderFontTest, EveryTextFitsInsideThePanelAt96And144Dpi) {
    for (const UINT dpi : {96u, 144u})
        EXPECT_EQ(layout::ExpectTidyAfterMove(box.Handle(), dpi, 298, 222, {kPanelFrame}), 9);
}

}  // namespace
