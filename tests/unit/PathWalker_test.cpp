#include "collect/PathWalker.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "collect/ExtFilter.h"
#include "tests/FakeWalkParts.h"

namespace {

using Lines = std::vector<Text>;

class PathWalkerTest : public ::testing::Test, protected FakeWalkParts {
protected:
    // Walks path as dropped name index, the way the drop handler prepares each name, and returns the list.
    Lines Collect(const Text& path, std::int32_t index = 0) {
        state.FDropIndex = index;
        state.FTick = 0;
        PathWalker(state, options, view, files, network, reader).CollectPath(path);
        return state.FPathList.Entries();
    }

    void Recurse() { options.recurse = true; }
    void Mode(bool OptionSnapshot::*mode) {
        options.fullPath = false;
        options.*mode = true;
    }
    void Filter(std::array<Text, 5> cells) {
        options.filterOn = true;
        state.FExtFilter = FilterSlots(cells);
    }
};

TEST_F(PathWalkerTest, WithoutRecursionAFolderIsOneEntry) {
    files.AddFile("C:\\d\\a.txt");
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d"}));
    EXPECT_EQ(files.attributeQueries, 0);
    EXPECT_TRUE(files.listedPatterns.empty());
}

TEST_F(PathWalkerTest, RecursionSkipsHiddenAndSystemEntriesAndWhatIsBelowThem) {
    files.AddFile("C:\\d\\b.txt");
    files.AddFile("C:\\d\\Hidden.txt", FileAttr::Archive | FileAttr::Hidden);
    files.AddFile("C:\\d\\sys.dat", FileAttr::System);
    files.AddFile("C:\\d\\ro.txt", FileAttr::ReadOnly);
    files.AddFolder("C:\\d\\hid", FileAttr::Directory | FileAttr::Hidden);
    files.AddFile("C:\\d\\hid\\inner.txt");
    files.AddFolder("C:\\d\\sysdir", FileAttr::Directory | FileAttr::System);
    files.AddFile("C:\\d\\sysdir\\inner.txt");
    files.AddFile("C:\\d\\Sub\\deep\\x");
    files.AddFolder("C:\\d\\Sub\\empty");
    files.AddFile("C:\\d\\label", FileAttr::VolumeLabel);
    Recurse();
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\b.txt", "C:\\d\\label", "C:\\d\\ro.txt", "C:\\d\\Sub",
                                       "C:\\d\\Sub\\deep", "C:\\d\\Sub\\deep\\x", "C:\\d\\Sub\\empty"}));
    // One query for the dropped name; everything below takes its attributes from the listing.
    EXPECT_EQ(files.attributeQueries, 1);
    EXPECT_EQ(files.listingsOpen, 0);
}

TEST_F(PathWalkerTest, HiddenEntriesDroppedDirectlyAreOutput) {
    files.AddFile("C:\\d\\h.txt", FileAttr::Hidden);
    files.AddFolder("C:\\hd", FileAttr::Directory | FileAttr::Hidden | FileAttr::System);
    files.AddFile("C:\\hd\\in.txt");
    Recurse();
    Collect("C:\\d\\h.txt");
    EXPECT_EQ(Collect("C:\\hd"), (Lines{"C:\\d\\h.txt", "C:\\hd", "C:\\hd\\in.txt"}));
}

TEST_F(PathWalkerTest, FoldersAreHandledAfterEverythingBelowThem) {
    files.AddFile("C:\\d\\a");
    files.AddFile("C:\\d\\s\\x");
    files.AddFile("C:\\d\\s\\t\\y");
    files.AddFile("C:\\d\\b");
    Recurse();
    Mode(&OptionSnapshot::contents);
    Collect("C:\\d");
    EXPECT_EQ(reader.paths, (Lines{"C:\\d\\a", "C:\\d\\s\\x", "C:\\d\\s\\t\\y", "C:\\d\\s\\t", "C:\\d\\s",
                                   "C:\\d\\b", "C:\\d"}));
    EXPECT_TRUE(state.FPathList.Empty());
}

TEST_F(PathWalkerTest, DroppedRootGivesChildPathsWithTwoBackslashes) {
    files.AddFile("C:\\a.txt");
    files.AddFile("C:\\d\\f");
    Recurse();
    EXPECT_EQ(Collect("C:\\"), (Lines{"C:\\", "C:\\\\a.txt", "C:\\\\d", "C:\\\\d\\f"}));
    EXPECT_EQ(files.listedPatterns, (Lines{"C:\\\\*", "C:\\\\d\\*"}));
}

TEST_F(PathWalkerTest, NamesDifferingInCaseAreEachListedTheSameNameOnce) {
    // As on a case-sensitive disk seen through the platform: both spellings are listed, in this order.
    files.AddFile("C:\\d\\ReadMe.txt");
    files.AddFile("C:\\d\\README.TXT");
    files.AddFile("C:\\e\\readme.txt");
    files.AddFile("C:\\f\\ReadMe.txt");
    Recurse();
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\README.TXT", "C:\\d\\ReadMe.txt"}));
    state.FPathList.Clear();
    // Names alone: the same name in two folders is one line, names that differ are not.
    Mode(&OptionSnapshot::nameOnly);
    Collect("C:\\d");
    Collect("C:\\f");
    EXPECT_EQ(Collect("C:\\e", 1), (Lines{"d", "e", "f", "README.TXT", "ReadMe.txt", "readme.txt"}));
}

TEST_F(PathWalkerTest, FilterAppliesToEveryPathButNeverStopsTheDescent) {
    files.AddFile("C:\\d\\a.txt");
    files.AddFile("C:\\d\\b.TXT");
    files.AddFile("C:\\d\\c.csv");
    files.AddFile("C:\\d\\noext");
    files.AddFile("C:\\d\\sub\\e.Txt");
    files.AddFile("C:\\d\\f.d\\g");
    Recurse();
    Filter({"txt", "", "", "", ""});
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d\\a.txt", "C:\\d\\b.TXT", "C:\\d\\sub\\e.Txt"}));

    state.FPathList.Clear();
    Filter({"/", "", "", "", ""});
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\f.d\\g", "C:\\d\\noext", "C:\\d\\sub"}));

    for (const std::array<Text, 5>& cells :
         {std::array<Text, 5>{".txt", "", "", "", ""}, std::array<Text, 5>{}}) {
        state.FPathList.Clear();
        Filter(cells);
        EXPECT_EQ(Collect("C:\\d"), Lines{}) << cells[0];
    }
}

TEST_F(PathWalkerTest, PumpsEverySixtyFourEntriesForTheWholeWalkWhileTheBarStaysInTheNamesBand) {
    for (int i = 0; i < 2000; ++i)
        files.AddFile("C:\\big\\f" + std::to_string(i));
    Recurse();
    Collect("C:\\big", 1);
    // Entries 64 to 960 move the bar across the band; from the 1024th on it holds, and the pumping goes on.
    Lines expected;
    for (int tick = 64; tick <= 960; tick += 64) {
        expected.push_back("progress " + std::to_string(1024 + tick));
        expected.push_back("pump");
    }
    for (int entry = 1024; entry <= 2000; entry += 64)
        expected.push_back("pump");
    EXPECT_EQ(view.calls, expected);
    EXPECT_EQ(state.FTick, 1023);
    EXPECT_EQ(state.FPathList.Size(), 2001u);
}

TEST_F(PathWalkerTest, EachDroppedNameCountsFromZero) {
    for (int i = 0; i < 40; ++i) {
        files.AddFile("C:\\a\\f" + std::to_string(i));
        files.AddFile("C:\\b\\f" + std::to_string(i));
    }
    Recurse();
    // One walker for the whole drop, as the drop handler uses it.
    PathWalker walker(state, options, view, files, network, reader);
    for (const std::int32_t index : {0, 1}) {
        state.FDropIndex = index;
        state.FTick = 0;
        walker.CollectPath(index == 0 ? "C:\\a" : "C:\\b");
    }
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(PathWalkerTest, EscFarIntoTheWalkOfOneNameEndsIt) {
    for (int i = 0; i < 5000; ++i)
        files.AddFile("C:\\big\\f" + std::to_string(i));
    Recurse();
    view.OnPump(40, [&] { state.FAbort = true; });
    // The 40th pump comes at the 2560th entry, which is still walked; nothing after it.
    EXPECT_EQ(Collect("C:\\big").size(), 1u + 2560u);
    EXPECT_EQ(view.pumps, 40);
}

TEST_F(PathWalkerTest, TickCountsEntriesAtEveryDepth) {
    for (int d = 0; d < 10; ++d) {
        for (int f = 0; f < 10; ++f)
            files.AddFile("C:\\t\\d" + std::to_string(d) + "\\f" + std::to_string(f));
    }
    Recurse();
    Collect("C:\\t", 2);
    EXPECT_EQ(view.calls, (Lines{"progress 2112", "pump"}));
    EXPECT_EQ(state.FTick, 110);
}

TEST_F(PathWalkerTest, SingleFileNeverMovesTheBarInPathModes) {
    files.AddFile("C:\\one.txt");
    Recurse();
    Collect("C:\\one.txt", 3);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(PathWalkerTest, ContentsModeTellsOfAFoldersFilesLastToFirstBeforeAndPacesThePumpAsTheWalk) {
    std::vector<std::pair<Text, std::size_t>> told;
    for (int i = 100; i < 170; ++i) {
        files.AddFile("C:\\d\\f" + std::to_string(i));
        told.emplace(told.begin(), "C:\\d\\f" + std::to_string(i), 0);
    }
    files.AddFile("C:\\d\\s\\x");
    told.emplace_back("C:\\d\\s\\x", 70);
    Recurse();
    Mode(&OptionSnapshot::contents);
    Collect("C:\\d", 1);
    EXPECT_EQ(reader.expected, told);
    // The 64th entry and the 64th file both pump; the dropped folder moves the bar at its end.
    EXPECT_EQ(view.calls, (Lines{"progress 1088", "pump", "progress 1088", "pump", "progress 1096", "pump"}));
}

TEST_F(PathWalkerTest, AbortStopsEveryListingButOpenFoldersAreStillOutput) {
    for (int i = 0; i < 100; ++i)
        files.AddFile("C:\\d\\sub\\f" + std::to_string(100 + i));
    files.AddFile("C:\\d\\sub\\zz\\never");
    files.AddFile("C:\\d\\z");
    Recurse();
    view.OnPump(1, [&] { state.FAbort = true; });
    const Lines got = Collect("C:\\d");
    // The pump comes at the 64th entry (sub, then f100 to f162); that entry is still walked, nothing after
    // it.
    Lines expected{"C:\\d", "C:\\d\\sub"};
    for (int i = 0; i < 63; ++i)
        expected.push_back("C:\\d\\sub\\f" + std::to_string(100 + i));
    EXPECT_EQ(got, expected);
    EXPECT_EQ(view.pumps, 1);
    EXPECT_EQ(files.listingsOpen, 0);
}

TEST_F(PathWalkerTest, VanishingAndUnlistableEntriesAreWalkedOver) {
    files.AddFile("C:\\d\\a");
    files.AddFile("C:\\d\\gone");
    files.AddFile("C:\\d\\sub\\x");
    files.AddFile("C:\\d\\locked\\y");
    files.FailListing("C:\\d\\locked");
    files.OnListed("C:\\d\\a", [&] { files.Remove("C:\\d\\gone"); });
    files.OnListed("C:\\d\\sub", [&] { files.Remove("C:\\d\\sub"); });
    Recurse();
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\a", "C:\\d\\locked", "C:\\d\\sub"}));
    EXPECT_EQ(files.listingsOpen, 0);
}

TEST_F(PathWalkerTest, UnreadableAttributesStillTryTheListing) {
    files.AddFile("C:\\d\\a");
    files.FailAttributes("C:\\d");
    Recurse();
    EXPECT_EQ(Collect("C:\\missing"), (Lines{"C:\\missing"}));
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\a", "C:\\missing"}));
    EXPECT_EQ(files.listedPatterns, (Lines{"C:\\missing\\*", "C:\\d\\*"}));
}

TEST_F(PathWalkerTest, OutputModes) {
    files.AddFile("Z:\\表\\ソ.txt");
    files.SetShortName("Z:\\表", "HYO");
    files.SetShortName("Z:\\表\\ソ.txt", "SO~1.TXT");
    network.mappedDrives['Z'] = "\\\\srv\\share";
    Recurse();
    const struct {
        bool OptionSnapshot::*mode;
        Lines expected;
    } cases[] = {
        {&OptionSnapshot::fullPath, {"Z:\\表", "Z:\\表\\ソ.txt"}},
        {&OptionSnapshot::nameOnly, {"ソ.txt", "表"}},
        {&OptionSnapshot::networkPath, {"\\\\srv\\share\\表", "\\\\srv\\share\\表\\ソ.txt"}},
        {&OptionSnapshot::shortPath, {"Z:\\HYO", "Z:\\HYO\\SO~1.TXT"}},
    };
    for (const auto& c : cases) {
        state.FPathList.Clear();
        options = OptionSnapshot();
        Recurse();
        Mode(c.mode);
        EXPECT_EQ(Collect("Z:\\表"), c.expected);
    }
}

// On a volume that keeps no short names the walk goes by the stored names: no "?" reaches the file system
// and no subtree is lost. With the code page names option the same entries come as code page 932 spells them,
// each substituted name counted.
TEST_F(PathWalkerTest, NamesOutsideTheCodePageOnAVolumeWithoutShortNames) {
    files.keepsShortNames = false;
    files.AddFile("C:\\Café\\한국어\\x.txt");
    files.AddFile("C:\\Café\\😀.txt");
    files.AddFile("C:\\Café\\表.txt");
    files.SetShortName("C:\\Café", "CAFE~1");
    Recurse();
    EXPECT_EQ(Collect("C:\\Café"), (Lines{"C:\\Café", "C:\\Café\\表.txt", "C:\\Café\\한국어",
                                          "C:\\Café\\한국어\\x.txt", "C:\\Café\\😀.txt"}));
    EXPECT_EQ(files.listedPatterns.size(), 2u);
    EXPECT_FALSE(files.TakeSubstitutions().Any());

    OutputOptions codePage;
    codePage.codePageNames = true;
    state.FPathList.Clear();
    PathWalker(state, options, view, files, network, reader, codePage).CollectPath("C:\\Café");
    EXPECT_EQ(state.FPathList.Entries(), (Lines{"C:\\Caf?", "C:\\Caf?\\??.txt", "C:\\Caf?\\???",
                                                "C:\\Caf?\\???\\x.txt", "C:\\Caf?\\表.txt"}));
    EXPECT_EQ(files.TakeSubstitutions().lossy, 3u);
    EXPECT_EQ(files.listedPatterns.size(), 4u);
    EXPECT_EQ(files.standInQueries, 0);
}

// The option gives each mode's line as code page 932 spells it, aliases where the volume keeps them, and
// relative lines cut behind the dropped name's own such line.
TEST_F(PathWalkerTest, CodePageNamesInEveryMode) {
    files.AddFile("Z:\\한\\é.txt");
    files.SetShortName("Z:\\한", "HAN~1");
    files.SetShortName("Z:\\한\\é.txt", "E~1.TXT");
    OutputOptions codePage;
    codePage.codePageNames = true;
    const struct {
        bool OptionSnapshot::*mode;
        bool relative;
        Lines expected;
    } cases[] = {
        {&OptionSnapshot::fullPath, false, {"Z:\\HAN~1", "Z:\\HAN~1\\E~1.TXT"}},
        {&OptionSnapshot::fullPath, true, {"HAN~1", "E~1.TXT"}},
        {&OptionSnapshot::nameOnly, false, {"E~1.TXT", "HAN~1"}},
        {&OptionSnapshot::shortPath, false, {"Z:\\HAN~1", "Z:\\HAN~1\\E~1.TXT"}},
    };
    for (const auto& c : cases) {
        state.FPathList.Clear();
        options = OptionSnapshot();
        Recurse();
        Mode(c.mode);
        codePage.relative = c.relative;
        PathWalker(state, options, view, files, network, reader, codePage).CollectPath("Z:\\한");
        EXPECT_EQ(state.FPathList.Entries(), c.expected) << c.relative;
    }
    EXPECT_EQ(files.standInQueries, 0);
}

TEST_F(PathWalkerTest, FailedShortAndNetworkFormsGiveOneEmptyLine) {
    files.AddFile("C:\\d\\a");
    files.AddFile("C:\\d\\b");
    Recurse();
    files.SetShortPathAnswer("C:\\d\\a", std::nullopt);
    files.SetShortPathAnswer("C:\\d\\b", std::nullopt);
    files.SetShortPathAnswer("C:\\d", Text(300, 'x'));  // a long answer comes whole
    Mode(&OptionSnapshot::shortPath);
    EXPECT_EQ(Collect("C:\\d"), (Lines{"", Text(300, 'x')}));

    state.FPathList.Clear();
    options = OptionSnapshot();
    Recurse();
    Mode(&OptionSnapshot::networkPath);
    files.SetFullPathAnswer("C:\\d\\a", std::nullopt);
    files.SetFullPathAnswer("C:\\d\\b", std::nullopt);
    EXPECT_EQ(Collect("C:\\d"), (Lines{"", "C:\\d"}));
}

// Any byte but the delimiters can stand in a name, even a lead byte with nothing after it.
TEST_F(PathWalkerTest, NamesOfAnyBytesAndFullLength) {
    Text anyBytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\\' && b != ':') anyBytes += static_cast<char>(b);
    }
    const Text longName(255, 'n');
    files.AddFile("C:\\d\\" + anyBytes);
    files.AddFile("C:\\d\\" + longName);
    files.AddFile("C:\\d\\tail\x95");
    Recurse();
    Mode(&OptionSnapshot::nameOnly);
    EXPECT_EQ(Collect("C:\\d"), (Lines{anyBytes, "d", longName, "tail\x95"}));
}

// Links back onto their own path are output but never followed; all other links are.
TEST_F(PathWalkerTest, LinksToTheirOwnFolderAreOutputButNotFollowed) {
    files.AddFile("C:\\d\\f");
    files.AddFile("C:\\d\\sub\\g");
    files.AddLink("C:\\d\\a", "C:\\d");
    files.AddLink("C:\\d\\b", "C:\\d");
    Recurse();
    EXPECT_EQ(Collect("C:\\d"),
              (Lines{"C:\\d", "C:\\d\\a", "C:\\d\\b", "C:\\d\\f", "C:\\d\\sub", "C:\\d\\sub\\g"}));
    EXPECT_EQ(files.listedPatterns, (Lines{"C:\\d\\*", "C:\\d\\sub\\*"}));
    EXPECT_EQ(files.listingsOpen, 0);
}

TEST_F(PathWalkerTest, LinksToAnyFolderOnThePathAreNotFollowed) {
    files.AddFile("C:\\top\\表\\sub\\f");
    files.AddLink("C:\\top\\表\\sub\\up", "C:\\top\\表");
    files.AddLink("C:\\top\\表\\sub\\root", "C:\\");
    files.AddLink("C:\\top\\表\\sub\\top", "C:\\top");
    // Through a link elsewhere and back: the way back leads onto the path of its own link.
    files.AddFile("C:\\x\\y");
    files.AddLink("C:\\x\\back", "C:\\top\\表\\sub");
    files.AddLink("C:\\top\\表\\sub\\out", "C:\\x");
    Recurse();
    const Text sub = "C:\\top\\表\\sub";
    EXPECT_EQ(Collect(sub), (Lines{sub, sub + "\\f", sub + "\\out", sub + "\\out\\back", sub + "\\out\\y",
                                   sub + "\\root", sub + "\\top", sub + "\\up"}));
}

TEST_F(PathWalkerTest, DroppedLinkToItsOwnParentIsOutputAlone) {
    files.AddFile("C:\\d\\f");
    files.AddLink("C:\\d\\a", "C:\\d");
    files.AddLink("C:\\e\\to-d", "C:\\d");
    Recurse();
    EXPECT_EQ(Collect("C:\\d\\a"), (Lines{"C:\\d\\a"}));
    state.FPathList.Clear();
    EXPECT_EQ(Collect("C:\\e\\to-d"), (Lines{"C:\\e\\to-d", "C:\\e\\to-d\\a", "C:\\e\\to-d\\f"}));
}

TEST_F(PathWalkerTest, IdentitiesAreAskedForOnlyWhereLinksAre) {
    for (int i = 0; i < 50; ++i) {
        files.AddFile("C:\\d\\s" + std::to_string(i) + "\\f");
        files.AddLink("C:\\d\\l" + std::to_string(i), "C:\\d");
    }
    files.AddFile("C:\\plain\\sub\\f");
    Recurse();
    EXPECT_EQ(Collect("C:\\plain").size(), 3u);
    EXPECT_EQ(files.identityQueries, 0);
    state.FPathList.Clear();
    // One per link, and one for each folder on their path (C:\ and C:\d), asked once for all of them.
    EXPECT_EQ(Collect("C:\\d").size(), 1u + 50 * 3);
    EXPECT_EQ(files.identityQueries, 50 + 2);
}

// File IDs are 128 bits wide: folders whose IDs share the low half are two folders all the same.
TEST_F(PathWalkerTest, LinksAreToldFromTheFoldersOnTheirPathByEveryBitOfTheirIds) {
    files.AddFile("C:\\d\\f");
    files.AddFile("C:\\other\\h");
    files.AddLink("C:\\d\\side", "C:\\other");
    files.SetIdentity("C:\\d", FolderId{1, 7, 0});
    files.SetIdentity("C:\\other", FolderId{1, 7, 1});
    Recurse();
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\f", "C:\\d\\side", "C:\\d\\side\\h"}));
    files.SetIdentity("C:\\other", FolderId{1, 7, 0});
    state.FPathList.Clear();
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\f", "C:\\d\\side"}));
}

// A recursive walk of C:\d over files and links (link, target); identities of the links named unidentified
// cannot be read.
struct LinkCase {
    const char* name;
    Lines files;
    std::vector<std::pair<Text, Text>> links;
    Lines unidentified;
    Lines expected;
};

// Test listings name the case instead of showing its bytes.
void PrintTo(const LinkCase& c, std::ostream* out) {
    *out << c.name;
}

class PathWalkerLinkTest : public PathWalkerTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(PathWalkerLinkTest, FollowsOnlyLinksThatCanBeToldFromTheFoldersOnTheirPath) {
    const LinkCase& c = GetParam();
    for (const Text& file : c.files)
        files.AddFile(file);
    for (const auto& [link, target] : c.links)
        files.AddLink(link, target);
    for (const Text& link : c.unidentified)
        files.FailIdentity(link);
    Recurse();
    EXPECT_EQ(Collect("C:\\d"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Links, PathWalkerLinkTest,
    ::testing::Values(LinkCase{"ElsewhereAreFollowedAndTheirEntriesComeByBothPaths",
                               {"C:\\d\\sub\\g", "C:\\other\\h"},
                               {{"C:\\d\\down", "C:\\d\\sub"}, {"C:\\d\\side", "C:\\other"}},
                               {},
                               {"C:\\d", "C:\\d\\down", "C:\\d\\down\\g", "C:\\d\\side", "C:\\d\\side\\h",
                                "C:\\d\\sub", "C:\\d\\sub\\g"}},
                      // Folders of equal length follow each other on the path: what was known of one must not
                      // pass for the other.
                      LinkCase{"SiblingsOfEqualLengthAreToldApart",
                               {"C:\\d\\ab\\x"},
                               {{"C:\\d\\ab\\l", "C:\\d\\ab"}, {"C:\\d\\cd\\l", "C:\\d\\ab"}},
                               {},
                               {"C:\\d", "C:\\d\\ab", "C:\\d\\ab\\l", "C:\\d\\ab\\x", "C:\\d\\cd",
                                "C:\\d\\cd\\l", "C:\\d\\cd\\l\\l", "C:\\d\\cd\\l\\x"}},
                      LinkCase{"WhoseTargetCannotBeIdentifiedIsNotFollowed",
                               {"C:\\other\\h"},
                               {{"C:\\d\\side", "C:\\other"}},
                               {"C:\\d\\side"},
                               {"C:\\d", "C:\\d\\side"}}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

}  // namespace
