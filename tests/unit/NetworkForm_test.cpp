#include "collect/NetworkForm.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeNetwork.h"

namespace {

TEST(NetworkForm, WhichFamilyAsksForUniversalNames) {
    const std::pair<PlatformVersion, bool> cases[] = {
        {{true, 3}, true},   {{true, 4}, true},   {{true, 10}, true},
        {{false, 3}, false}, {{false, 4}, false}, {{false, 5}, true},
    };
    for (const auto& [version, asks] : cases) {
        EXPECT_EQ(AsksUniversalName(version), asks) << version.ntFamily << " " << version.major;
    }
}

class NetworkFormNt : public ::testing::Test {
protected:
    NetworkFormNt() { network.mappedDrives['Z'] = "\\\\srv\\share"; }
    FakeFileSystem files;
    FakeNetwork network;
};

TEST_F(NetworkFormNt, MappedDriveGivesTheUniversalFormOfTheWholePath) {
    EXPECT_EQ(NetworkForm("Z:\\dir\\表\\f.txt", files, network), "\\\\srv\\share\\dir\\表\\f.txt");
    EXPECT_EQ(NetworkForm("z:\\dir", files, network), "\\\\srv\\share\\dir");
}

TEST_F(NetworkFormNt, LocalDriveGivesTheExpandedPath) {
    EXPECT_EQ(NetworkForm("C:\\a\\b", files, network), "C:\\a\\b");
    EXPECT_EQ(NetworkForm("rel\\f", files, network), "C:\\work\\rel\\f");
}

TEST_F(NetworkFormNt, PathsWithoutADriveLetterAreNotResolved) {
    for (const Text path : {"\\\\srv\\share\\x", "1:\\x", "C:", "@:\\x", "[:\\x", "`:\\x", "{:\\x"}) {
        EXPECT_EQ(NetworkForm(path, files, network), path);
    }
    EXPECT_EQ(network.universalNameCalls, 0);
}

TEST_F(NetworkFormNt, FailedExpansionGivesEmptyText) {
    files.SetFullPathAnswer("Z:\\x", std::nullopt);
    EXPECT_EQ(NetworkForm("Z:\\x", files, network), "");
    EXPECT_EQ(network.universalNameCalls, 0);
}

class NetworkForm9x : public ::testing::Test {
protected:
    NetworkForm9x() { network.version = {false, 4}; }
    FakeFileSystem files;
    FakeNetwork network;
};

TEST_F(NetworkForm9x, BufferGrowsTwiceBeforeTheMatchingConnection) {
    network.connections = {{"X:", "\\\\a\\x", 2000}, {"Z:", "\\\\srv\\share", 5000}};
    EXPECT_EQ(NetworkForm("z:\\dir\\f", files, network), "\\\\srv\\share\\dir\\f");
    EXPECT_EQ(network.buffersOffered, (std::vector<std::uint32_t>{1600, 2000, 2000, 5000}));
    EXPECT_EQ(network.universalNameCalls, 0);
    EXPECT_EQ(network.enumerationsOpened, 1);
    EXPECT_EQ(network.enumerationsOpen, 0);
}

TEST_F(NetworkForm9x, NoMatchingConnectionGivesTheExpandedPath) {
    network.connections = {{"X:", "\\\\a\\x"}, {"", "\\\\nolocal\\y"}, {"Z:", "\\\\srv\\share", 3000}};
    EXPECT_EQ(NetworkForm("Y:\\a", files, network), "Y:\\a");
    // Enumerated to the end: two small entries fit at once, then the large one after growing.
    EXPECT_EQ(network.buffersOffered, (std::vector<std::uint32_t>{1600, 1600, 3000, 3000}));
    EXPECT_EQ(network.enumerationsOpen, 0);
}

TEST_F(NetworkForm9x, EntryWithoutLocalNameIsSkipped) {
    network.connections = {{"", "\\\\wrong\\y"}, {"y:", "\\\\right\\y"}};
    EXPECT_EQ(NetworkForm("Y:\\a", files, network), "\\\\right\\y\\a");
}

TEST_F(NetworkForm9x, OnlyPathsWithABackslashAfterTheColonAreResolved) {
    network.connections = {{"C:", "\\\\srv\\c"}};
    EXPECT_EQ(NetworkForm("C:a", files, network), "C:a");
    EXPECT_EQ(network.enumerationsOpened, 0);
}

TEST_F(NetworkForm9x, EnumerationThatCannotOpenGivesTheExpandedPath) {
    network.connections = {{"Z:", "\\\\srv\\share"}};
    network.failOpen = true;
    EXPECT_EQ(NetworkForm("Z:\\a", files, network), "Z:\\a");
}

TEST_F(NetworkForm9x, ProviderAskingForNoMoreThanOfferedEndsTheEnumeration) {
    network.connections = {{"Z:", "\\\\srv\\share", 5000, 1200}};
    EXPECT_EQ(NetworkForm("Z:\\a", files, network), "Z:\\a");
    EXPECT_EQ(network.buffersOffered, (std::vector<std::uint32_t>{1600}));
    EXPECT_EQ(network.enumerationsOpen, 0);
}

}  // namespace
