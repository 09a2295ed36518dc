// The profile service and the settings store on real files.
#include "platform/win32/Win32Profile.h"

#include <gtest/gtest.h>

#include "app/OutputSettings.h"
#include "app/Settings.h"
#include "platform/Encoding.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "tests/SameSettings.h"
#include "tests/win32/FileBytes.h"
#include "tests/win32/TempTree.h"
#include "text/AppError.h"

namespace {

// A file's bytes as earlier versions wrote Data.INI: code page 932.
std::string ShiftJis(const Text& text) {
    std::string bytes;
    TextToShiftJis(text, bytes);
    return bytes;
}

class ProfileTest : public ::testing::Test {
protected:
    TempTree tree;
    Win32Profile profile;
    const Text appDir = tree.Root() + "\\";
    const Text file = tree.Path("Data.INI");
    const SettingsPlaces places{appDir, Text()};
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheFallback) {
    EXPECT_EQ(profile.Read(file, "Show", "FontName", "ＭＳ ゴシック"), "ＭＳ ゴシック");
    tree.File("Data.INI", "[Show]\r\nFontSize=9\r\nFontName=\r\n");
    EXPECT_EQ(profile.Read(file, "Show", "Other", "d"), "d");
    EXPECT_EQ(profile.Read(file, "System", "FontSize", "d"), "d");
    EXPECT_EQ(profile.Read(file, "Show", "FontSize", "d"), "9");
    EXPECT_EQ(profile.Read(file, "Show", "FontName", "d"), "") << "a present empty value is no missing key";
}

TEST_F(ProfileTest, LongValueIsReadWhole) {
    tree.File("Data.INI", "[Show]\r\nFontName=" + Text(3000, 'f') + "\r\n");
    EXPECT_EQ(profile.Read(file, "Show", "FontName", ""), Text(3000, 'f'));
}

TEST_F(ProfileTest, FirstSaveWritesFourSectionsInOrderAndLoadsBack) {
    const StoredSettings s{20, 10, 2, 10, "ＭＳ 明朝", true, false};
    SaveSettings(profile, places, s);

    const Text bytes = TextFromShiftJis(FileBytes(file));  // the file is Shift_JIS
    std::size_t at = 0;
    for (const Text line : {"[MainForm]", "FormTop=20", "FormLeft=10", "[GetMode]", "FullPath=2", "[Show]",
                            "FontSize=10", "FontName=ＭＳ 明朝", "[System]", "DeskTopSet=1", "SendToSet=0"}) {
        const std::size_t found = bytes.find(line, at);
        ASSERT_NE(found, Text::npos) << line << " after byte " << at << " of\n" << bytes;
        at = found + line.size();
    }

    EXPECT_TRUE(SameSettings(LoadSettings(profile, places), s));
}

TEST_F(ProfileTest, ExistingFileKeepsItsCommentsSectionsAndOrder) {
    tree.File("Data.INI", ShiftJis("; 設定ファイル\r\n"
                                   "[System]\r\n"
                                   "DeskTopSet=5\r\n"
                                   "Note=kept\r\n"
                                   "[Mine]\r\n"
                                   "; about mine\r\n"
                                   "x=1\r\n"
                                   "[MainForm]\r\n"
                                   "FormLeft=$64\r\n"
                                   "FormTop=0x64\r\n"));
    const StoredSettings read = LoadSettings(profile, places);
    EXPECT_EQ(read.formTop, 100);
    EXPECT_EQ(read.formLeft, 100);
    EXPECT_TRUE(read.deskTopSet);
    SaveSettings(profile, places, read);

    const Text bytes = TextFromShiftJis(FileBytes(file));  // the file is Shift_JIS
    std::size_t at = 0;
    for (const Text line : {"; 設定ファイル", "[System]", "DeskTopSet=1", "Note=kept", "[Mine]",
                            "; about mine", "x=1", "[MainForm]", "FormLeft=100", "FormTop=100"}) {
        const std::size_t found = bytes.find(line, at);
        ASSERT_NE(found, Text::npos) << line << " after byte " << at << " of\n" << bytes;
        at = found + line.size();
    }
    for (const Text added :
         {"[GetMode]", "FullPath=0", "[Show]", "FontSize=12", "FontName=ＭＳ ゴシック", "SendToSet=0"})
        EXPECT_NE(bytes.find(added), Text::npos) << added;
}

// The system's INI functions would store these as "?" and cut the mask at 2,047 characters.
TEST_F(ProfileTest, TextsOutsideCodePage932AndLongMasksReadBackWhole) {
    StoredSettings settings;
    settings.fontName = "맑은 고딕";
    OutputOptions options;
    options.customSeparator = "😀";
    options.excludeMasks = "한국어\\;*.😀;café;" + Text(5605, 'm');
    SaveSettings(profile, places, settings);
    SaveOutputOptions(profile, places, options);
    EXPECT_TRUE(SameSettings(LoadSettings(profile, places), settings));
    EXPECT_EQ(LoadOutputOptions(profile, places), options);

    const std::string bytes = FileBytes(file);
    EXPECT_EQ(ShiftJis(TextFromShiftJis(bytes)), bytes) << "not code page 932";
    EXPECT_NE(bytes.find("ExcludeMasks=\"%ED%95%9C%EA%B5%AD%EC%96%B4\\;*.%F0%9F%98%80;caf%C3%A9;mmm"),
              Text::npos);
    WIN32_FIND_DATAW found;
    const FindHandle files(FindFirstFileW(Wide(tree.Path("*")).c_str(), &found));
    int count = 0;
    for (bool more = static_cast<bool>(files); more; more = FindNextFileW(files.get(), &found))
        count += found.cFileName[0] != L'.';
    EXPECT_EQ(count, 1) << "a copy was left beside Data.INI";
}

TEST_F(ProfileTest, ReadOnlyFileRefusesTheWriteAndKeepsItsValues) {
    tree.File("Data.INI", "[MainForm]\r\nFormTop=7\r\n");
    tree.Attributes("Data.INI", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(profile.Write(file, {{"MainForm", "FormTop", "8"}}));
    try {
        SaveSettings(profile, places, StoredSettings{});
        FAIL() << "the refused write raised nothing";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), file + " に書き込めません");
    }
    EXPECT_EQ(FileBytes(file), "[MainForm]\r\nFormTop=7\r\n");
}

TEST_F(ProfileTest, ValueThatWouldNotReadBackIsRefusedAndTheFileKept) {
    tree.File("Data.INI", "[Show]\r\nFontName=a\r\n");
    for (const Text& value : {Text("  spaced  "), Text("two\r\nlines"), Text("한국어")})
        EXPECT_FALSE(profile.Write(file, {{"Show", "FontSize", "9"}, {"Show", "FontName", value}})) << value;
    EXPECT_EQ(FileBytes(file), "[Show]\r\nFontName=a\r\n");
    EXPECT_TRUE(profile.Write(file, {{"Show", "FontName", "\"quoted\""}}));
    EXPECT_EQ(profile.Read(file, "Show", "FontName", "<missing>"), "\"quoted\"");
}

TEST_F(ProfileTest, FileTheSystemCannotSaveIsRefused) {
    // /proc takes no file.
    const Text unwritable = "Z:\\proc\\Data.INI";
    EXPECT_FALSE(profile.Write(unwritable, {{"MainForm", "FormTop", "1"}}));
    EXPECT_EQ(profile.Read(unwritable, "MainForm", "FormTop", "<missing>"), "<missing>");
    EXPECT_FALSE(profile.FileExists(unwritable));
}

TEST_F(ProfileTest, ProgramFolderThatCannotBeWrittenKeepsTheSettingsInTheUsersFolder) {
    const SettingsPlaces unwritable{"Z:\\proc\\", tree.Path("ロミナード\\")};
    StoredSettings s;
    s.formTop = 20;
    s.fontName = "ＭＳ 明朝";
    SaveSettings(profile, unwritable, s);
    EXPECT_TRUE(profile.FileExists(tree.Path("ロミナード\\Data.INI")));
    const StoredSettings back = LoadSettings(profile, unwritable);
    EXPECT_EQ(back.formTop, 20);
    EXPECT_EQ(back.fontName, "ＭＳ 明朝");

    // Once the program's folder holds a file, that file is the one read.
    tree.File("Data.INI", "[MainForm]\r\nFormTop=7\r\n");
    EXPECT_EQ(LoadSettings(profile, SettingsPlaces{appDir, tree.Path("ロミナード\\")}).formTop, 7);
}

}  // namespace
