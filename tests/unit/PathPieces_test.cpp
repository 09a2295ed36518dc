#include "text/PathPieces.h"

#include <gtest/gtest.h>

namespace {

struct PiecesCase {
    Text path;
    Text fileName;
    Text directory;
    Text extension;
};

// 表 is 0x95 0x5C and ソ is 0x83 0x5C: their second byte is a backslash that must not split the path.
const PiecesCase kCases[] = {
    {"C:\\dir\\file.txt", "file.txt", "C:\\dir\\", ".txt"},
    {"C:\\", "", "C:\\", ""},
    {"C:", "", "C:", ""},
    {"C:file.txt", "file.txt", "C:", ".txt"},
    {"file", "file", "", ""},
    {"", "", "", ""},
    {"C:\\dir.d\\file", "file", "C:\\dir.d\\", ""},
    {"C:\\dir\\name.", "name.", "C:\\dir\\", "."},
    {"C:\\dir\\.profile", ".profile", "C:\\dir\\", ".profile"},
    {"C:\\dir\\a.tar.gz", "a.tar.gz", "C:\\dir\\", ".gz"},
    {"\\\\server\\share\\f.TXT", "f.TXT", "\\\\server\\share\\", ".TXT"},
    {"C:\\\\double", "double", "C:\\\\", ""},
    {"C:\\表", "表", "C:\\", ""},
    {"C:\\a\\表\\b.c", "b.c", "C:\\a\\表\\", ".c"},
    {"C:\\ソ.txt", "ソ.txt", "C:\\", ".txt"},
    {"C:\\x.表", "x.表", "C:\\", ".表"},
    {"D:\\表示\\ソフト.ｔｘｔ", "ソフト.ｔｘｔ", "D:\\表示\\", ".ｔｘｔ"},
    // Half-width katakana are single bytes: the backslash after ｱ is a delimiter.
    {"ｱ\\b", "b", "ｱ\\", ""},
    // A lead byte takes the next byte whatever it is, even at the end of a name.
    {"dir\\abc\x95\\x", "abc\x95\\x", "dir\\", ""},
    {"dir\\abc\x95", "abc\x95", "dir\\", ""},
};

TEST(PathPieces, FileNameDirectoryAndExtension) {
    for (const PiecesCase& c : kCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(PathFileName(c.path), c.fileName);
        EXPECT_EQ(PathDirectory(c.path), c.directory);
        EXPECT_EQ(PathExtension(c.path), c.extension);
    }
}

TEST(PathPieces, LiteralsAreShiftJisWithTrailBackslash) {
    // The table relies on these bytes; a source charset slip would make it test nothing.
    EXPECT_EQ(Text("表ソ"), Text("\x95\x5C\x83\x5C"));
}

TEST(PathPieces, TrailBackslashNeverSplitsAtAnyPosition) {
    // Every lead byte followed by 0x5C, alone as a name below a folder.
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        const Text name{static_cast<char>(lead), '\\'};
        SCOPED_TRACE(lead);
        EXPECT_EQ(PathFileName("C:\\d\\" + name), name);
        EXPECT_EQ(PathDirectory("C:\\d\\" + name + "\\f"), "C:\\d\\" + name + "\\");
    }
}

}  // namespace
