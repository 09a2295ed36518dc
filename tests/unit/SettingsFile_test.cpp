// The settings and the output options through Data.INI's bytes (ProfileFile, as the Win32 service keeps
// them): no step depends on the system's code page, so what reads back here reads back on every system.
#include <gtest/gtest.h>

#include <climits>

#include "app/OutputSettings.h"
#include "app/Settings.h"
#include "platform/Encoding.h"
#include "tests/SameSettings.h"
#include "tests/fakes/FakeProfileFiles.h"
#include "text/CharacterCut.h"

namespace {

using namespace std::string_literals;

const SettingsPlaces kPlaces{"C:\\表\\", Text()};
const Text kFile = "C:\\表\\Data.INI";

std::string ShiftJis(const Text& text) {
    std::string bytes;
    TextToShiftJis(text, bytes);
    return bytes;
}

// Every free text, with every other key at a value other than its default, is read back as it was saved, and
// the file stays code page 932 that an earlier version reads.
TEST(SettingsFile, EveryValueReadsBackAsWritten) {
    const Text texts[] = {"한국어\\;*.😀;café",
                          "😀",
                          "café",
                          "\xED\xA0\x80 lone",
                          "ＭＳ ゴシック",
                          " %41 \"q\" ",
                          "\t\r\n",
                          "\xFF\x81",
                          "",
                          Text(9990, 'm') + "한;*.😀"};
    for (const Text& text : texts) {
        FakeProfileFiles profile;
        const StoredSettings settings{INT_MIN, INT_MAX, 4, 72, text, true, true};
        OutputOptions options{Quoting::WhenSpace,
                              LineSeparator::Custom,
                              CutToShiftJisWidth(text, 16),
                              false,
                              SlashStyle::Environment,
                              true,
                              true,
                              false,
                              EntryOrder::Natural,
                              true,
                              true,
                              true,
                              true,
                              true,
                              ContentsEncoding::ShiftJis,
                              text,
                              true,
                              kMaxDepth,
                              EntryKinds::FoldersOnly,
                              TreeStyle::Ascii,
                              true,
                              true};
        SaveSettings(profile, kPlaces, settings);
        SaveOutputOptions(profile, kPlaces, options);
        EXPECT_TRUE(SameSettings(LoadSettings(profile, kPlaces), settings)) << text;
        EXPECT_EQ(LoadOutputOptions(profile, kPlaces), options) << text;
        const std::string& bytes = profile.files[kFile];
        std::string again;
        EXPECT_TRUE(TextToShiftJis(TextFromShiftJis(bytes), again) && again == bytes) << "not code page 932";
    }
}

TEST(SettingsFile, NameCodePage932HoldsStaysAsItIs) {
    FakeProfileFiles profile;
    StoredSettings settings;
    SaveSettings(profile, kPlaces, settings);
    EXPECT_NE(profile.files[kFile].find(ShiftJis("\r\nFontName=ＭＳ ゴシック\r\n")), std::string::npos);
}

// Files as earlier versions and people wrote them: code page 932, quoted [Output] texts with %XX escapes,
// spaces around "=", garbage.
TEST(SettingsFile, EarlierFilesReadAsBefore) {
    struct Case {
        std::string file;
        Text fontName;
        Text customSeparator;
        Text excludeMasks;
    };
    const Case cases[] = {
        {ShiftJis("[Show]\r\nFontName=ＭＳ 明朝\r\n[Output]\r\nCustomSeparator=\"%09表%22\"\r\n"
                  "ExcludeMasks=\"node_modules\\;表\\;*.tmp\"\r\n"),
         "ＭＳ 明朝", "\t表\"", "node_modules\\;表\\;*.tmp"},
        {ShiftJis("[Show]\r\nFontName = %41 \r\n[Output]\r\nCustomSeparator=%3B\r\nExcludeMasks=\"a%\"\r\n"),
         "%41", ";", "a%"},
        {ShiftJis("[Show]\r\nFontName=\"ＭＳ ゴシック\"\r\n"), "ＭＳ ゴシック", "", ""},
        {"\x00\xFF\r\n[Show\r\nFontName=\x82\xA0\r\n[Output]x\r\nExcludeMasks=\"\xED\x40\"\r\n"s, "あ", "",
         "纊"},
    };
    for (const Case& c : cases) {
        FakeProfileFiles profile;
        profile.files[kFile] = c.file;
        EXPECT_EQ(LoadSettings(profile, kPlaces).fontName, c.fontName) << c.file;
        const OutputOptions options = LoadOutputOptions(profile, kPlaces);
        EXPECT_EQ(options.customSeparator, c.customSeparator) << c.file;
        EXPECT_EQ(options.excludeMasks, c.excludeMasks) << c.file;
    }
}

}  // namespace
