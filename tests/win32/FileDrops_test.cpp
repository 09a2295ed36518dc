// A window registered for drops, with the drag's messages allowed from lower integrity levels.
#include "platform/win32/FileDrops.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDrops, WindowTakesDropsAndTheSystemAllowsTheDragsMessages) {
    const HWND window = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window);
    EXPECT_TRUE(AcceptFileDrops(window));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    DestroyWindow(window);
}

}  // namespace
