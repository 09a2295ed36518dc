// The hook with a real drop: an HDROP built in memory as the shell builds it, handed over in a WM_DROPFILES.
#include "app/AppMessage.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include "tests/fakes/FakeDrop.h"
#include "tests/win32/MakeDrop.h"
#include "tests/win32/Win32DropParts.h"

namespace {

using Lines = std::vector<Text>;

MSG DropMessage(HDROP drop) {
    MSG message{};
    message.message = WM_DROPFILES;
    message.wParam = reinterpret_cast<WPARAM>(drop);
    return message;
}

class AppMessageTest : public ::testing::Test, protected Win32DropParts {
protected:
    FakeContentsReader reader;
    DropHandler handler{state, view, folders, network, reader};
};

TEST_F(AppMessageTest, OtherMessagesPassUntouched) {
    MSG message{};
    message.message = WM_KEYDOWN;
    bool handled = true;
    AppMessage(handler, message, handled);
    EXPECT_FALSE(handled);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(AppMessageTest, DroppedNamesReachTheTextAreaSorted) {
    const Text longName = "C:\\" + Text(300, 'n');
    const Lines names{"C:\\表\\b.txt", "C:\\ソ", "C:\\A.txt", longName};
    bool handled = false;
    AppMessage(handler, DropMessage(MakeDrop(names)), handled);
    EXPECT_TRUE(handled);
    // The long name arrives whole.
    EXPECT_EQ(view.lines, (Lines{"C:\\A.txt", longName, "C:\\ソ", "C:\\表\\b.txt"}));
    EXPECT_EQ(view.CallsStartingWith("progress max"), (Lines{"progress max 4096"}));
}

TEST_F(AppMessageTest, BusyRefusalLeavesHandledAsPreset) {
    state.FBusy = true;
    bool handled = false;
    AppMessage(handler, DropMessage(MakeDrop({"C:\\x"})), handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(view.calls, (Lines{"message 編集中のため処理できません。"}));
}

TEST(HDropNames, CountAndNamesOfTheDrop) {
    HDropNames names(MakeDrop({"C:\\one", "D:\\二\\表"}));
    ASSERT_EQ(names.Count(), 2u);
    EXPECT_EQ(names.Name(0), "C:\\one");
    EXPECT_EQ(names.Name(1), "D:\\二\\表");
    names.Release();
    names.Release();
    EXPECT_EQ(names.Count(), 0u);
}

}  // namespace
