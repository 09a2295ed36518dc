#include "app/Settings.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/SameSettings.h"
#include "tests/fakes/FakeProfile.h"
#include "text/AppError.h"

namespace {

using Lines = std::vector<Text>;

TEST(ParseIntegerValue, TextToValueOrTheFallback) {
    constexpr std::int32_t kFallback = 42;
    const std::pair<Text, std::int32_t> cases[] = {
        {"0x64", 100},
        {"0X64", 100},
        {"$64", 100},
        {"x64", 100},
        {"X64", 100},
        {"$ff", 255},
        {"100", 100},
        {"  -5", -5},
        {"+7", 7},
        {"7", 7},
        {"-1", -1},
        {"5", 5},
        {"0", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$FFFFFFFF", -1},
        {"0x80000000", INT_MIN},
        {"$0000000A", 10},
        {"abc", kFallback},
        {"yes", kFallback},
        {"", kFallback},
        {"   ", kFallback},
        {"-", kFallback},
        {"$", kFallback},
        {"0x", kFallback},
        {"5 ", kFallback},
        {"1.5", kFallback},
        {"12a", kFallback},
        {"--5", kFallback},
        {"- 5", kFallback},
        {"-$5", kFallback},
        {"$-5", kFallback},
        {"2147483648", kFallback},
        {"-2147483649", kFallback},
        {"99999999999999999999", kFallback},
        {"$100000000", kFallback},
        {"$000000064", kFallback},
        {"0xG", kFallback},
        {"１２", kFallback},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ParseIntegerValue(value, kFallback), expected) << '"' << value << '"';
}

class SettingsStore : public ::testing::Test {
protected:
    const Text appDir = "C:\\ツール\\表\\";
    const Text path = "C:\\ツール\\表\\Data.INI";
    const Text userDir = "C:\\Users\\表\\AppData\\Roaming\\ロミナード\\";
    const Text userPath = "C:\\Users\\表\\AppData\\Roaming\\ロミナード\\Data.INI";
    const SettingsPlaces places{appDir, userDir};
    FakeProfile profile;

    void Set(const Text& section, const Text& key, const Text& value) {
        profile.Set(path, section, key, value);
    }
    Text Get(const Text& section, const Text& key, const Text& file = Text()) const {
        const auto found = profile.values.find({file.empty() ? path : file, section, key});
        return found == profile.values.end() ? "<missing>" : found->second;
    }
    Text SaveError(const SettingsPlaces& where, const StoredSettings& s = StoredSettings{}) {
        try {
            SaveSettings(profile, where, s);
        } catch (const AppError& error) {
            return error.Message();
        }
        return "<no error>";
    }
};

TEST_F(SettingsStore, LoadWithoutTheFileGivesTheDefaultsInKeyOrder) {
    EXPECT_TRUE(
        SameSettings(LoadSettings(profile, places), {200, 300, 0, 12, "ＭＳ ゴシック", false, false}));
    EXPECT_EQ(profile.calls,
              (Lines{"read " + path + " [MainForm] FormTop", "read " + path + " [MainForm] FormLeft",
                     "read " + path + " [GetMode] FullPath", "read " + path + " [Show] FontSize",
                     "read " + path + " [Show] FontName", "read " + path + " [System] DeskTopSet",
                     "read " + path + " [System] SendToSet"}));
}

TEST_F(SettingsStore, LoadTakesTheStoredValues) {
    Set("MainForm", "FormTop", "0x64");
    Set("MainForm", "FormLeft", "-20");
    Set("GetMode", "FullPath", "2");
    Set("Show", "FontSize", "$A");
    Set("Show", "FontName", "ＭＳ 明朝");
    Set("System", "DeskTopSet", "5");
    Set("System", "SendToSet", "yes");
    EXPECT_TRUE(SameSettings(LoadSettings(profile, places), {100, -20, 2, 10, "ＭＳ 明朝", true, false}));
}

TEST_F(SettingsStore, GarbageGivesEachKeyItsDefault) {
    for (const auto& [section, key] : {std::pair<Text, Text>{"MainForm", "FormTop"},
                                       {"MainForm", "FormLeft"},
                                       {"GetMode", "FullPath"},
                                       {"Show", "FontSize"},
                                       {"System", "DeskTopSet"},
                                       {"System", "SendToSet"}})
        Set(section, key, "1e3");
    EXPECT_TRUE(
        SameSettings(LoadSettings(profile, places), {200, 300, 0, 12, "ＭＳ ゴシック", false, false}));
}

TEST_F(SettingsStore, FontNameIsTakenAsTheFileHoldsIt) {
    Set("Show", "FontName", "");
    EXPECT_EQ(LoadSettings(profile, places).fontName, "");
    const Text longName(3000, 'f');
    Set("Show", "FontName", longName);
    EXPECT_EQ(LoadSettings(profile, places).fontName, longName);
}

TEST_F(SettingsStore, SaveWritesTheSevenKeysInOrder) {
    SaveSettings(profile, places, {20, -10, 3, 10, "ＭＳ 明朝", true, false});
    EXPECT_EQ(profile.calls,
              (Lines{"write " + path + " [MainForm] FormTop=20", "write " + path + " [MainForm] FormLeft=-10",
                     "write " + path + " [GetMode] FullPath=3", "write " + path + " [Show] FontSize=10",
                     "write " + path + " [Show] FontName=ＭＳ 明朝",
                     "write " + path + " [System] DeskTopSet=1", "write " + path + " [System] SendToSet=0"}));
}

TEST_F(SettingsStore, SavedValuesLoadBack) {
    const StoredSettings s{INT_MIN, INT_MAX, 4, 72, "IPAGothic", false, true};
    SaveSettings(profile, places, s);
    EXPECT_TRUE(SameSettings(LoadSettings(profile, places), s));
}

TEST_F(SettingsStore, RefusedWriteAtTheThirdKeyLeavesTheFileAsItWas) {
    Set("MainForm", "FormTop", "7");
    Set("GetMode", "FullPath", "1");
    profile.refuseFromWrite = 3;
    StoredSettings s;
    s.formTop = 20;
    s.formLeft = 10;
    s.modeIndex = 2;
    EXPECT_EQ(SaveError(places, s), "C:\\ツール\\表\\Data.INI に書き込めません");
    EXPECT_EQ(Get("MainForm", "FormTop"), "7");
    EXPECT_EQ(Get("MainForm", "FormLeft"), "<missing>");
    EXPECT_EQ(Get("GetMode", "FullPath"), "1");
    EXPECT_EQ(profile.calls.size(), 3u) << "later keys were tried";
}

TEST_F(SettingsStore, TheFileBesideTheProgramIsReadFirstThenTheUsersCopy) {
    profile.Set(userPath, "MainForm", "FormTop", "7");
    EXPECT_EQ(SettingsFileToRead(profile, places), userPath);
    EXPECT_EQ(LoadSettings(profile, places).formTop, 7);
    Set("MainForm", "FormLeft", "8");
    EXPECT_EQ(SettingsFileToRead(profile, places), path);
    const StoredSettings s = LoadSettings(profile, places);
    EXPECT_EQ(s.formLeft, 8);
    EXPECT_EQ(s.formTop, 200) << "the user's copy is not mixed in";
    profile.files.clear();
    EXPECT_EQ(SettingsFileToRead(profile, places), path) << "neither exists";
}

TEST_F(SettingsStore, SaveGoesBesideTheProgramWheneverItsFolderTakesIt) {
    profile.Set(userPath, "MainForm", "FormTop", "7");
    StoredSettings s;
    s.formTop = 20;
    SaveSettings(profile, places, s);
    EXPECT_EQ(Get("MainForm", "FormTop"), "20");
    EXPECT_EQ(Get("MainForm", "FormTop", userPath), "7") << "the user's copy is left alone";
    EXPECT_EQ(profile.calls.size(), 7u);
    EXPECT_EQ(LoadSettings(profile, places).formTop, 20) << "the next start reads the new file";
}

TEST_F(SettingsStore, ProgramFolderThatRefusesANewFileSendsItToTheUsersFolder) {
    profile.refusedFiles = {path};
    StoredSettings s;
    s.formTop = 20;
    SaveSettings(profile, places, s);
    ASSERT_GE(profile.calls.size(), 3u);
    EXPECT_EQ(profile.calls[0], "write " + path + " [MainForm] FormTop=20");
    EXPECT_EQ(profile.calls[1], "mkdir C:\\Users\\表\\AppData\\Roaming\\ロミナード");
    EXPECT_EQ(profile.calls[2], "write " + userPath + " [MainForm] FormTop=20");
    EXPECT_EQ(profile.calls.size(), 9u);
    EXPECT_EQ(LoadSettings(profile, places).formTop, 20) << "the next start reads it back";
}

TEST_F(SettingsStore, RefusalsNameTheFileThatIsReadNext) {
    // A read-only file beside the program stays the settings file: it is reported, not moved.
    Set("MainForm", "FormTop", "7");
    profile.refusedFiles = {path};
    EXPECT_EQ(SaveError(places), path + " に書き込めません");
    EXPECT_EQ(profile.files.count(userPath), 0u);

    // Neither folder takes a new file: the user's is named, as the last one tried.
    profile.files.clear();
    profile.refusedFiles = {path, userPath};
    EXPECT_EQ(SaveError(places), userPath + " に書き込めません");
    EXPECT_EQ(SaveError(SettingsPlaces{appDir, Text()}), path + " に書き込めません")
        << "without a user folder";

    // Refused part-way, a new file beside the program is not left half-written: the user's is tried next.
    profile = FakeProfile();
    profile.refuseFromWrite = 3;
    EXPECT_EQ(SaveError(places), userPath + " に書き込めません");
    EXPECT_EQ(profile.files.count(path), 0u);
}

TEST(SettingsPlacesFor, UsersCopyLivesInItsOwnSubfolder) {
    const std::pair<Text, Text> cases[] = {
        {"C:\\Users\\u\\AppData\\Roaming", "C:\\Users\\u\\AppData\\Roaming\\ロミナード\\"},
        {"C:\\Data\\", "C:\\Data\\ロミナード\\"},
        // 表 ends in byte 0x5C, which is no separator.
        {"C:\\表", "C:\\表\\ロミナード\\"},
        {"", ""},
    };
    for (const auto& [applicationData, userDir] : cases) {
        const SettingsPlaces places = SettingsPlacesFor("D:\\prog\\", applicationData);
        EXPECT_EQ(places.appDir, "D:\\prog\\");
        EXPECT_EQ(places.userDir, userDir) << applicationData;
    }
}

TEST(OutputMode, StoredIndexSelectsItsButtonOrFullPath) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 0}, {7, 0}, {-1, 0}, {INT_MIN, 0}, {INT_MAX, 0}};
    for (const auto& [stored, selected] : cases)
        EXPECT_EQ(SelectedMode(stored), selected) << stored;
}

TEST(OutputMode, IndexOfTheSelectedButton) {
    const auto with = [](bool full, bool name, bool show, bool net, bool shortPath) {
        OptionSnapshot o;
        o.fullPath = full;
        o.nameOnly = name;
        o.contents = show;
        o.networkPath = net;
        o.shortPath = shortPath;
        return o;
    };
    EXPECT_EQ(ModeIndex(with(true, false, false, false, false)), 0);
    EXPECT_EQ(ModeIndex(with(false, true, false, false, false)), 1);
    EXPECT_EQ(ModeIndex(with(false, false, true, false, false)), 2);
    EXPECT_EQ(ModeIndex(with(false, false, false, true, false)), 3);
    EXPECT_EQ(ModeIndex(with(false, false, false, false, true)), 4);
    EXPECT_EQ(ModeIndex(with(false, false, false, false, false)), 4);
}

}  // namespace
