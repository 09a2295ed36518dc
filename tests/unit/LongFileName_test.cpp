#include "shared/LongFileName.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/fakes/FakeFileSystem.h"

namespace {

using Lines = std::vector<Text>;

class LongFileNameTest : public ::testing::Test {
protected:
    LongFileNameTest() {
        files.AddFolder("C:\\Program Files");
        files.SetShortName("C:\\Program Files", "PROGRA~1");
        files.AddFile("C:\\Program Files\\Foo.txt");
        files.SetShortName("C:\\Program Files\\Foo.txt", "FOO.TXT");
        files.AddFile("C:\\work\\foo.txt");
        files.AddFile("C:\\work\\foo");
        files.AddFile("\\\\server\\share\\Dir\\File");
        files.AddFile("C:\\Data\\表");
        files.AddFile("C:\\Data\\Hidden.txt", FileAttr::Hidden | FileAttr::System);
    }

    FakeFileSystem files;
};

TEST_F(LongFileNameTest, RebuildsEachComponentWithItsStoredName) {
    const std::vector<std::pair<Text, Text>> cases = {
        {"C:\\PROGRA~1\\FOO.TXT", "C:\\Program Files\\Foo.txt"},
        {"C:\\PROGRA~1\\", "C:\\Program Files"},
        {"C:\\", "C:"},
        {"C:", "C:"},
        {"c:\\program files", "c:\\Program Files"},
        {"C:\\NOPE\\A.TXT", "C:\\NOPE\\A.TXT"},
        {"C:\\NOPE\\", "C:\\NOPE"},
        {"\\\\server\\share\\dir\\file", "\\\\server\\share\\Dir\\File"},
        {"foo.txt", "\\foo.txt"},
        {"bar.txt", "bar.txt"},
        {"C:foo", "C:\\foo"},
        {"c:\\data\\表", "c:\\Data\\表"},
        {"c:\\data\\表\\", "c:\\Data\\表"},
        {"C:\\DATA\\HIDDEN.TXT", "C:\\Data\\Hidden.txt"},
        {"C:\\PROGRA~1\\*.T?T", "C:\\Program Files\\Foo.txt"},
        {"C:\\PROG*\\FOO.TXT", "C:\\PROG*\\FOO.TXT"},
        {"C:\\Program Files\\\\", "C:\\Program Files\\"},
        {"/x", "/x"},
        {"", ""},
        // A part that ends in a colon is its own directory part: it is a root, kept as it is.
        {"abc:", "abc:"},
        {"C:\\a.txt:stream", "C:\\a.txt:stream"},
        {"c:\\data\\表:", "c:\\data\\表:"},
        {"\\\\?\\C:\\x", "\\\\?\\C:\\x"},
    };
    for (const auto& [argument, expected] : cases)
        EXPECT_EQ(LongFileName(argument, files), expected) << argument;
}

TEST_F(LongFileNameTest, LooksUpFromTheRootOutward) {
    struct Case {
        Text argument;
        Lines lookups;
    };
    const std::vector<Case> cases = {
        {"C:\\PROGRA~1\\FOO.TXT", {"C:\\PROGRA~1", "C:\\PROGRA~1\\FOO.TXT"}},
        {"\\\\server\\share\\dir\\file",
         {"\\\\server", "\\\\server\\share", "\\\\server\\share\\dir", "\\\\server\\share\\dir\\file"}},
        {"c:\\data\\表\\", {"c:\\data", "c:\\data\\表"}},
        {"C:\\", {}},
        {"/x", {}},
        {"ab\\", {}},
        {"abc:", {}},
        {"abc:\\", {}},
        {"C:\\a.txt:stream", {"C:\\a.txt:stream"}},
        {"\\\\?\\C:\\x", {"\\\\?\\C:\\x"}},
        {"a::b", {"a::b"}},
    };
    for (const Case& c : cases) {
        files.lookups.clear();
        LongFileName(c.argument, files);
        EXPECT_EQ(files.lookups, c.lookups) << c.argument;
    }
}

TEST_F(LongFileNameTest, EndsOnAnyBytesAndLooksUpOnlyGrowingPrefixes) {
    // Separators, colons, a lead byte whose trail byte is a backslash, and ordinary bytes, in any order.
    const Text alphabet = "\\\\::a?.\x95";
    std::mt19937 random(4711);
    for (int round = 0; round < 3000; ++round) {
        Text path(random() % 12, ' ');
        for (char& c : path)
            c = alphabet[random() % alphabet.size()];
        files.lookups.clear();
        LongFileName(path, files);
        for (std::size_t i = 0; i < files.lookups.size(); ++i) {
            const Text& looked = files.lookups[i];
            EXPECT_EQ(path.compare(0, looked.size(), looked), 0) << path;
            if (i > 0) {
                EXPECT_GT(looked.size(), files.lookups[i - 1].size()) << path;
            }
        }
    }
}

}  // namespace
