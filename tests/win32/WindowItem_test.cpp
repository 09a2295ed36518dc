// Window::Item: a control found below the window's panels, remembered only while it and its window live.
#include <gtest/gtest.h>

#include "platform/win32/Window.h"

namespace {

constexpr int kPanel = 10;
constexpr int kNested = 11;

class PanelWindow : public Window {
public:
    bool Create() {
        const FrameSpec frame{
            "RominadoItemTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 0, 200, 100, nullptr, nullptr};
        return CreateFrame(GetModuleHandleW(nullptr), frame);
    }

    HWND Add(HWND parent, int id) {
        return CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                               nullptr);
    }
};

TEST(WindowItemTest, FindsNestedControlsAndForgetsThemWithTheirWindow) {
    PanelWindow window;
    ASSERT_TRUE(window.Create());
    const HWND panel = window.Add(window.Handle(), kPanel);
    EXPECT_EQ(window.Item(kNested), nullptr);
    const HWND nested = window.Add(panel, kNested);
    EXPECT_EQ(window.Item(kNested), nested) << "a control made after a lookup missed is found";
    EXPECT_EQ(window.Item(kNested), nested);

    DestroyWindow(window.Handle());
    EXPECT_EQ(window.Item(kNested), nullptr) << "a destroyed window has no controls";

    // The same object made again: its lookups give the new controls, never the destroyed ones.
    ASSERT_TRUE(window.Create());
    const HWND again = window.Add(window.Add(window.Handle(), kPanel), kNested);
    EXPECT_EQ(window.Item(kNested), again);
    EXPECT_TRUE(IsWindow(window.Item(kNested)));
}

}  // namespace
