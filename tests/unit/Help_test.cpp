#include "shell/HelpCommand.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeHelpViewer.h"

namespace {

using Lines = std::vector<Text>;

// 表 ends in the byte 0x5C: the folder must still end at the real backslash.
const Text kDir = "C:\\ツール\\表\\";
const Text kHlp = kDir + "ロミナード.HLP";
const Text kPage = kDir + "Rominado.html";
const Text kFormerPage = kDir + "ロミナード.html";

TEST(HelpPaths, BothFilesStandInTheProgramsFolder) {
    EXPECT_EQ(HelpFilePath(kDir), kHlp);
    EXPECT_EQ(HelpPagePath(kHlp), kPage);
    EXPECT_EQ(HelpPagePath("ロミナード.HLP"), "Rominado.html");
    EXPECT_EQ(FormerHelpPagePath(kHlp), kFormerPage);
}

TEST(ShowHelp, ThePageFirstThenTheOldHelpFileThenABoxNamingThePage) {
    const struct {
        const char* what;
        std::set<Text> files;
        std::set<Text> failOpens;
        Lines calls;
    } cases[] = {
        {"both: no viewer for the old format on current Windows", {kHlp, kPage}, {}, {"open " + kPage}},
        {"help file only", {kHlp}, {}, {"help " + kHlp}},
        {"page only", {kPage}, {}, {"open " + kPage}},
        {"neither", {}, {}, {"inform ヘルプファイル " + kPage + " が見つかりません。"}},
        {"page that nothing opens",
         {kPage},
         {kPage},
         {"open " + kPage, "inform ヘルプファイル " + kPage + " を開けません。"}},
        {"a page elsewhere does not count",
         {"C:\\Rominado.html", "C:\\ロミナード.html", kHlp},
         {},
         {"help " + kHlp}},
        {"the page under its former name", {kFormerPage, kHlp}, {}, {"open " + kFormerPage}},
        {"both names: the current one", {kFormerPage, kPage}, {}, {"open " + kPage}},
    };
    for (const auto& c : cases) {
        FakeHelpViewer system;
        system.files = c.files;
        system.failOpens = c.failOpens;
        ShowHelp(system, kHlp);
        EXPECT_EQ(system.calls, c.calls) << c.what;
    }
}

}  // namespace
