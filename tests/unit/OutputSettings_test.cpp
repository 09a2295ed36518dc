#include "app/OutputSettings.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeProfile.h"
#include "text/AppError.h"

namespace {

const SettingsPlaces kPlaces{"C:\\表\\", "C:\\Users\\ソ\\AppData\\Roaming\\ロミナード\\"};
const Text kBeside = "C:\\表\\Data.INI";
const Text kUsers = "C:\\Users\\ソ\\AppData\\Roaming\\ロミナード\\Data.INI";

// Reads values back as the system's INI functions do: surrounding spaces dropped, then one pair of quotes.
class NormalisingProfile : public FakeProfile {
public:
    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override {
        Text value = FakeProfile::Read(path, section, key, fallback);
        const std::size_t first = value.find_first_not_of(' ');
        value = first == Text::npos ? Text() : value.substr(first, value.find_last_not_of(' ') - first + 1);
        const bool quoted =
            value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
        return quoted ? value.substr(1, value.size() - 2) : value;
    }
};

OutputOptions EveryOptionChanged(const Text& separator) {
    OutputOptions o;
    o.quoting = Quoting::WhenSpace;
    o.separator = LineSeparator::Custom;
    o.customSeparator = separator;
    o.lastLineEnd = false;
    o.slashes = SlashStyle::DoubledBackslash;
    o.folderMark = o.relative = true;
    o.extensions = false;
    o.order = EntryOrder::Natural;
    o.sizeColumn = o.timeColumn = o.attributeColumn = true;
    return o;
}

TEST(OutputSettings, WithoutTheSectionEveryOptionIsItsDefault) {
    FakeProfile profile;
    profile.Set(kBeside, "MainForm", "FormTop", "7");
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces), OutputOptions{});
}

TEST(OutputSettings, SeparatorsTheIniFunctionsWouldAlterSurviveARoundTrip) {
    for (const Text separator : {" | ", "\"表\"", "'ソ'", "%41", "\t\r\n", " 能 ", ""}) {
        NormalisingProfile profile;
        const OutputOptions saved = EveryOptionChanged(separator);
        SaveOutputOptions(profile, kPlaces, saved);
        for (const Text& call : profile.calls)
            EXPECT_EQ(call.rfind("write " + kBeside + " [Output] ", 0), 0u) << call;
        EXPECT_EQ(LoadOutputOptions(profile, kPlaces), saved) << separator;
    }
}

TEST(OutputSettings, OutOfRangeOrGarbageGivesTheDefaultOfThatOptionOnly) {
    FakeProfile profile;
    for (const auto& [key, value] : {std::pair<Text, Text>{"Quoting", "3"},
                                     {"Separator", "-1"},
                                     {"Slashes", "abc"},
                                     {"Order", "2"},
                                     {"Extensions", "0"},
                                     {"LastLineEnd", "yes"},
                                     {"TimeColumn", "$5"},
                                     {"CustomSeparator", "%%3B%3"}})
        profile.Set(kBeside, "Output", key, value);
    OutputOptions expected;
    expected.order = EntryOrder::Natural;
    expected.extensions = false;
    expected.timeColumn = true;
    expected.customSeparator = "%;%3";
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces), expected);

    profile.Set(kBeside, "Output", "CustomSeparator", Text(16, '-') + "表");
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces).customSeparator, Text(16, '-'));
}

TEST(OutputSettings, SavedWhereTheOtherSettingsGo) {
    FakeProfile profile;
    profile.refusedFiles.insert(kBeside);
    const OutputOptions saved = EveryOptionChanged(",");
    SaveOutputOptions(profile, kPlaces, saved);
    EXPECT_EQ(LoadOutputOptions(profile, kPlaces), saved) << "read back from the user's folder";
    EXPECT_TRUE(profile.FileExists(kUsers));

    profile.files.insert(kBeside);
    try {
        SaveOutputOptions(profile, kPlaces, saved);
        FAIL() << "a refused file beside the program raised nothing";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), kBeside + " に書き込めません");
    }
}

}  // namespace
