// The scaling of 96-DPI layouts: lengths, rectangles, a window's DPI with and without the newer system calls,
// and the stretching of pixel art; and how the layout checks measure a caption.
#include "platform/win32/Dpi.h"
#include "platform/win32/FittedControls.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/win32/LayoutChecks.h"

namespace {

TEST(ScaleForDpi, LengthsAtTheFourCommonSettings) {
    const struct {
        int pixels, at120, at144, at192;
    } cases[] = {
        {0, 0, 0, 0},         {1, 1, 2, 2},  // 1.25 and 1.5: a half goes up
        {12, 15, 18, 24},                    // the windows' font
        {25, 31, 38, 50},                    // 31.25, 37.5
        {75, 94, 113, 150},                  // 93.75, 112.5
        {-12, -15, -18, -24},  // font heights are negative: halves go away from zero, as for positive ones
        {-25, -31, -38, -50},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleForDpi(c.pixels, 96), c.pixels);
        EXPECT_EQ(ScaleForDpi(c.pixels, 120), c.at120) << c.pixels;
        EXPECT_EQ(ScaleForDpi(c.pixels, 144), c.at144) << c.pixels;
        EXPECT_EQ(ScaleForDpi(c.pixels, 192), c.at192) << c.pixels;
    }
}

TEST(ScaleForDpi, NeighboursStayNeighboursAndApartStaysApart) {
    // A row of 75-pixel buttons: touching, one pixel apart, overlapping by one (the speed buttons).
    for (const int step : {75, 76, 74}) {
        for (const UINT dpi : {96u, 120u, 144u, 168u, 192u}) {
            for (int left = 0; left < 600; left += step) {
                const RECT a = ScaleRectForDpi(RECT{left, 3, left + 75, 28}, dpi);
                const RECT b = ScaleRectForDpi(RECT{left + step, 3, left + step + 75, 28}, dpi);
                const int gap = b.left - a.right;
                EXPECT_EQ((gap > 0) - (gap < 0), (step > 75) - (step < 75)) << left << " at " << dpi;
                // Each edge is rounded: a size comes within a pixel of the size scaled.
                EXPECT_NEAR(a.right - a.left, 75.0 * dpi / 96, 1.0);
            }
        }
    }
}

UINT WINAPI WindowAt168(HWND) {
    return 168;
}
UINT WINAPI WindowUnknown(HWND) {
    return 0;
}
HRESULT WINAPI MonitorAt120(HMONITOR, int, UINT* x, UINT* y) {
    *x = *y = 120;
    return S_OK;
}
HRESULT WINAPI MonitorFails(HMONITOR, int, UINT*, UINT*) {
    return E_INVALIDARG;
}

TEST(DpiOf, TheNewestCallThatAnswersElseTheDeviceContext) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window);
    const HDC dc = GetDC(window);
    const UINT system = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(window, dc);

    EXPECT_EQ(DpiOf(window, DpiCalls{WindowAt168, MonitorAt120}), 168u);
    EXPECT_EQ(DpiOf(window, DpiCalls{WindowUnknown, MonitorAt120}), 120u);
    EXPECT_EQ(DpiOf(window, DpiCalls{nullptr, MonitorAt120}), 120u);
    EXPECT_EQ(DpiOf(window, DpiCalls{nullptr, MonitorFails}), system);
    EXPECT_EQ(DpiOf(window, DpiCalls{nullptr, nullptr}), system);
    // This system's own calls agree with its device context.
    EXPECT_EQ(DpiOf(window), system);
    DestroyWindow(window);
}

// A 24-bit bitmap of width x height whose pixel (x, y) has colour(x, y), and reading one back.
template <typename Colour>
BitmapOwner MakeBitmap(int width, int height, Colour colour) {
    BitmapOwner bitmap(CreateBitmap(width, height, 1, 32, nullptr));
    const MemoryDcOwner dc(CreateCompatibleDC(nullptr));
    const ScopedSelectObject select(dc.get(), bitmap.get());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            SetPixel(dc.get(), x, y, colour(x, y));
    }
    return bitmap;
}

std::vector<std::vector<COLORREF>> Pixels(HBITMAP bitmap) {
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    const MemoryDcOwner dc(CreateCompatibleDC(nullptr));
    const ScopedSelectObject select(dc.get(), bitmap);
    std::vector<std::vector<COLORREF>> rows(static_cast<std::size_t>(size.bmHeight));
    for (int y = 0; y < size.bmHeight; ++y) {
        for (int x = 0; x < size.bmWidth; ++x)
            rows[static_cast<std::size_t>(y)].push_back(GetPixel(dc.get(), x, y));
    }
    return rows;
}

TEST(StretchBitmap, EveryPixelFromTheNearestSourcePixelNoBlend) {
    constexpr COLORREF olive = RGB(128, 128, 0), black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    // A 64 x 32 pair of glyphs: the left one black on olive with a one-pixel grid of white, the right one
    // olive.
    const BitmapOwner pair = MakeBitmap(64, 32, [&](int x, int y) {
        if (x >= 32) return olive;
        return x % 2 == 0 && y % 2 == 0 ? white : black;
    });
    for (const int size : {16, 20, 24, 32}) {
        const BitmapOwner stretched = StretchBitmap(pair.get(), 2 * size, size);
        ASSERT_TRUE(stretched) << size;
        const auto rows = Pixels(stretched.get());
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(size));
        ASSERT_EQ(rows[0].size(), static_cast<std::size_t>(2 * size));
        for (const auto& row : rows) {
            for (int x = 0; x < 2 * size; ++x) {
                const COLORREF pixel = row[static_cast<std::size_t>(x)];
                // The two halves stay apart, and no colour is mixed from two.
                if (x >= size) {
                    EXPECT_EQ(pixel, olive) << x << " at " << size;
                } else {
                    EXPECT_TRUE(pixel == black || pixel == white) << x << " at " << size;
                }
            }
        }
    }
}

// A caption is measured in its control's own font, without its access-key mark, with the radio's box: one
// pixel less than that cuts it, and a neighbour standing where it ends touches it.
TEST(LayoutChecks, CaptionMeasuredInItsOwnFontWithItsBox) {
    const FontOwner at96 = MakeFontForDpi("ＭＳ Ｐゴシック", 13, 96);
    const FontOwner at144 = MakeFontForDpi("ＭＳ Ｐゴシック", 13, 144);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HWND parent =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 100, nullptr, nullptr, instance, nullptr);
    const HWND radio =
        CreateWindowExW(0, L"BUTTON", L"フルパス(&P)", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 10,
                        300, 30, parent, reinterpret_cast<HMENU>(1), instance, nullptr);
    ASSERT_TRUE(radio);
    EXPECT_EQ(layout::DrawnCaption(radio), "フルパス(P)");
    SendMessageW(radio, WM_SETFONT, reinterpret_cast<WPARAM>(at96.get()), FALSE);
    const LONG text96 = layout::TextExtent(radio).cx;
    SendMessageW(radio, WM_SETFONT, reinterpret_cast<WPARAM>(at144.get()), FALSE);
    const LONG text144 = layout::TextExtent(radio).cx;
    EXPECT_GE(text144, text96 * 3 / 2);
    const LONG needs = layout::CaptionNeeds(radio, 144).cx;
    EXPECT_GE(needs, text144 + MetricForDpi(SM_CXMENUCHECK, 144) + 2);

    SetWindowPos(radio, nullptr, 0, 0, needs, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(layout::ExpectTidy(parent, 144, {}), 1);
    SetWindowPos(radio, nullptr, 0, 0, needs - 1, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_NONFATAL_FAILURE(layout::ExpectTidy(parent, 144, {}), "is cut at 144 DPI");

    SetWindowPos(radio, nullptr, 0, 0, needs + 20, 30, SWP_NOMOVE | SWP_NOZORDER);
    const HWND neighbour = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10 + needs, 10, 50, 30,
                                           parent, reinterpret_cast<HMENU>(2), instance, nullptr);
    ASSERT_TRUE(neighbour);
    EXPECT_NONFATAL_FAILURE(layout::ExpectTidy(parent, 144, {}), "touch at 144 DPI");
    SetWindowPos(neighbour, nullptr, 11 + needs, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(layout::ExpectTidy(parent, 144, {}), 2);
    DestroyWindow(parent);
}

LONG CaptionAdvance(const char* face, const wchar_t* caption) {
    const FontOwner font = MakeFont(face, 12);
    const WindowDcOwner dc(nullptr);
    const ScopedSelectObject selected(dc.get(), font.get());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), caption, lstrlenW(caption), &size);
    return size.cx;
}

TEST(LayoutChecks, TheWiderFontIsWider) {
    const wchar_t* const captions[] = {L"ディスクトップにショートカットを作成する", L"フルパス(P)",
                                       L"重複(順保持)"};
    for (const wchar_t* caption : captions) {
        const LONG designed = CaptionAdvance(layout::WiderFont::kFace, caption);
        const layout::WiderFont wider;
        EXPECT_GT(CaptionAdvance(layout::WiderFont::kFace, caption), designed) << FromWide(caption);
    }
}

// A table too narrow for its captions: a radio button, the one after it on its row, a check box in that
// one's column below, a frame around the three and a button after the frame; below them a panel the table
// gives no width (the window's code does), with a label, and a box that starts where the panel starts.
const ControlSpec kNarrowTable[] = {
    {1, "STATIC", "", SS_ETCHEDFRAME, 8, 8, 168, 60, 0, -1},
    {2, "BUTTON", "フルパス(&P)", BS_AUTORADIOBUTTON, 16, 16, 40, 17, 0, 0},
    {3, "BUTTON", "ﾌｧｲﾙ名のみ(&N)", BS_AUTORADIOBUTTON, 56, 16, 112, 17, 0, 1},
    {4, "BUTTON", "ﾌｫﾙﾀﾞ配下", BS_AUTOCHECKBOX, 56, 40, 100, 17, 0, 2},
    {5, "BUTTON", "適用(&Y)", BS_PUSHBUTTON, 184, 16, 30, 25, 0, 3},
    {6, kPanelClass, "", 0, 8, 72, 0, 20, 0, -1, WS_EX_CONTROLPARENT},
    {7, "STATIC", "拡張子", SS_LEFT, 0, 0, 10, 14, 6, -1},
    {8, "EDIT", "", 0, 8, 72, 160, 20, 0, 4},
};

TEST(PlaceControls, GrowsCaptionsMovesTheRowKeepsColumnsAndHoldsThemAll) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 230, 80, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(CreateControls(window, kNarrowTable, nullptr));
    ShowWindow(FindControl(window, 6), SW_HIDE);
    const auto place = [window](int id) { return layout::InParent(FindControl(window, id)); };
    for (const UINT dpi : {96u, 144u}) {
        const FontOwner font = MakeFontForDpi("ＭＳ Ｐゴシック", 12, dpi);
        SetFontOnChildren(window, font.get());
        const int width = PlaceControls(window, kNarrowTable, dpi, 222);
        SetWindowPos(window, nullptr, 0, 0, width, ScaleForDpi(100, dpi), SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(layout::ExpectTidy(window, dpi, {1}), 6) << dpi;
        EXPECT_GT(place(2).right, ScaleForDpi(56, dpi)) << "grown to its caption at " << dpi;
        EXPECT_EQ(place(4).left, place(3).left) << "a column stays a column at " << dpi;
        EXPECT_EQ(place(1).right, place(3).right + ScaleForDpi(8, dpi)) << "the frame keeps its margin";
        EXPECT_EQ(place(5).left, place(1).right + ScaleForDpi(8, dpi)) << "what follows keeps its gap";
        EXPECT_EQ(width, place(5).right + ScaleForDpi(8, dpi)) << "the window holds them";
        EXPECT_EQ(place(4).right - place(4).left, ScaleForDpi(100, dpi)) << "never narrower than the table";
        EXPECT_EQ(place(8).left, ScaleForDpi(8, dpi)) << "in the panel's column, not after it";
    }
    DestroyWindow(window);
}

}  // namespace
