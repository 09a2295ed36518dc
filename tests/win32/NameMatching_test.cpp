// The system's own matching and comparison of names, and the environment, as the walk options ask for them.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileSystem.h"

namespace {

// Letter case is ignored, full-width letters included, but a full-width letter is never its half-width one.
TEST(Win32NameMatching, PatternListsAsTheFileManagerMatchesThem) {
    Win32FileSystem files;
    const struct {
        Text name, patterns;
        bool matches;
    } cases[] = {
        {"a.tmp", "*.TMP", true},
        {"A.TMP", "*.tmp;*.obj", true},
        {"a.txt", "*.tmp;*.obj", false},
        {"x.log", "?.log", true},
        {"表ソ能.txt", "?ソ能.txt", true},
        {"ＡＢＣ.txt", "ａｂｃ.*", true},
        {"ABC.txt", "ＡＢＣ.*", false},
        {"😀.txt", "?.txt", false},  // two UTF-16 units: "?" takes one
        {"😀.txt", "*.txt", true},
        {"node_modules", "node_modules", true},
        {"a;b", "*", true},
        {"a", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files.MatchesAny(c.name, c.patterns), c.matches) << c.name << " " << c.patterns;
}

TEST(Win32NameMatching, NamesCompareAsTheFileSystemComparesThemAndTheEnvironmentIsRead) {
    Win32FileSystem files;
    EXPECT_TRUE(files.SameName("C:\\Users\\表", "c:\\USERS\\表"));
    EXPECT_TRUE(files.SameName("ｃａｆé", "ＣＡＦÉ"));
    EXPECT_FALSE(files.SameName("ABC", "ＡＢＣ"));
    EXPECT_FALSE(files.SameName("表", "表2"));
    const Text long_value = "C:\\" + Text(400, 'x') + "\\ソ能😀";
    ASSERT_TRUE(SetEnvironmentVariableW(L"ROMINADO_TEST_FOLDER", Wide(long_value).c_str()));
    EXPECT_EQ(files.EnvironmentValue("ROMINADO_TEST_FOLDER"), long_value);
    SetEnvironmentVariableW(L"ROMINADO_TEST_FOLDER", nullptr);
    EXPECT_EQ(files.EnvironmentValue("ROMINADO_TEST_FOLDER"), "");
}

}  // namespace
