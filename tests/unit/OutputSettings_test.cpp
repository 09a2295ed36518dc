#include "app/OutputSettings.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeProfile.h"

namespace {

const SettingsPlaces kPlaces{"C:\\表\\", "C:\\Users\\ソ\\ロミナード\\"};
const Text kBeside = "C:\\表\\Data.INI";

// Reads values back as earlier versions did through the system's INI functions: surrounding spaces dropped,
// then one pair of quotes.
class NormalisingProfile : public FakeProfile {
public:
    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override {
        Text v = FakeProfile::Read(path, section, key, fallback);
        v.erase(0, v.find_first_not_of(' '));
        v.erase(v.find_last_not_of(' ') + 1);
        const bool quoted = v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0];
        return quoted ? v.substr(1, v.size() - 2) : v;
    }
};

// Refused beside the program, they are kept in and read back from the user's copy.
TEST(OutputSettings, EveryOptionSurvivesARoundTrip) {
    for (const Text separator : {" | ", "\"表\"", "'ソ'", "%41", "\t\r\n", ""}) {
        const OutputOptions saved{Quoting::WhenSpace,
                                  LineSeparator::Custom,
                                  separator,
                                  false,
                                  SlashStyle::DoubledBackslash,
                                  true,
                                  true,
                                  false,
                                  EntryOrder::Natural,
                                  true,
                                  true,
                                  true,
                                  true,
                                  true};
        NormalisingProfile profile;
        profile.refusedFiles.insert(kBeside);
        SaveOutputOptions(profile, kPlaces, saved);
        EXPECT_EQ(LoadOutputOptions(profile, kPlaces), saved) << separator;
    }
}

// The masks are free text like the separator; the walk's choices keep their values up to their last one.
TEST(OutputSettings, WalkOptionsSurviveARoundTripAndOutOfRangeGivesTheirDefault) {
    for (const Text masks : {"node_modules\\; *.tmp ", "\"a b\";%41;表\\", ""}) {
        OutputOptions saved;
        saved.excludeMasks = masks;
        saved.includeHidden = true;
        saved.depth = kMaxDepth;
        saved.kinds = EntryKinds::FoldersOnly;
        saved.tree = TreeStyle::Ascii;
        saved.slashes = SlashStyle::Environment;
        saved.csv = true;
        NormalisingProfile profile;
        SaveOutputOptions(profile, kPlaces, saved);
        EXPECT_EQ(LoadOutputOptions(profile, kPlaces), saved) << masks;
        for (const char* key : {"Depth", "Kinds", "Tree", "Slashes"})
            profile.Set(kBeside, "Output", key, key == Text("Depth") ? "100" : "-1");
        const OutputOptions read = LoadOutputOptions(profile, kPlaces);
        EXPECT_EQ(read.depth, 0);
        EXPECT_EQ(read.kinds, EntryKinds::Both);
        EXPECT_EQ(read.tree, TreeStyle::None);
        EXPECT_EQ(read.slashes, SlashStyle::Backslash);
    }
}

TEST(OutputSettings, CodePageNamesAndTheContentsOptionsAreKeysOfTheirOwnOffByDefault) {
    FakeProfile profile;
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces), OutputOptions());
    OutputOptions saved;
    saved.codePageNames = true;
    saved.contentsEncoding = ContentsEncoding::ShiftJis;
    saved.contentsHeadings = true;
    SaveOutputOptions(profile, kPlaces, saved);
    EXPECT_EQ((profile.values[{kBeside, "Output", "CodePageNames"}]), "1");
    EXPECT_EQ((profile.values[{kBeside, "Output", "ContentsEncoding"}]), "1");
    EXPECT_EQ((profile.values[{kBeside, "Output", "ContentsHeadings"}]), "1");
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces), saved);
    profile.Set(kBeside, "Output", "CodePageNames", "0");
    profile.Set(kBeside, "Output", "ContentsEncoding", "2");
    profile.Set(kBeside, "Output", "ContentsHeadings", "0");
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces), OutputOptions());
}

TEST(OutputSettings, OutOfRangeOrGarbageGivesTheDefaultOfThatOptionOnly) {
    FakeProfile profile;
    for (const auto& [key, value] : {std::pair<Text, Text>{"Quoting", "3"},
                                     {"Separator", "-1"},
                                     {"Order", "2"},
                                     {"LastLineEnd", "yes"},
                                     {"CustomSeparator", "%%3B%3"}})
        profile.Set(kBeside, "Output", key, value);
    OutputOptions expected;
    expected.order = EntryOrder::Natural;
    expected.customSeparator = "%;%3";
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces), expected);
    profile.Set(kBeside, "Output", "CustomSeparator", Text(16, '-') + "表");
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces).customSeparator, Text(16, '-'));
}

}  // namespace
