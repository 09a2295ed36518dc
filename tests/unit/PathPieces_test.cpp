#include "text/PathPieces.h"

#include <gtest/gtest.h>

#include "platform/Encoding.h"

namespace {

struct PiecesCase {
    Text path;
    Text fileName;
    Text directory;
    Text extension;
};

// 表 and ソ end in a backslash byte in Shift_JIS (0x95 0x5C, 0x83 0x5C); as Text they are whole characters.
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
    // The backslash after a half-width kana is a delimiter.
    {"ｱ\\b", "b", "ｱ\\", ""},
    // A byte that is no UTF-8 is a character of its own, and never takes the byte after it.
    {"dir\\abc\x95\\x", "x", "dir\\abc\x95\\", ""},
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
    // The table means these characters; a slip of the source's charset would make it test others.
    EXPECT_EQ(TextFromShiftJis("\x95\x5C\x83\x5C"), Text("表ソ"));
}

TEST(PathPieces, TrailBackslashNeverSplitsAtAnyPosition) {
    // Every character whose Shift_JIS form ends in 0x5C, alone as a name below a folder.
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        const Text name = TextFromShiftJis(Text{static_cast<char>(lead), '\\'});
        std::string back;
        if (!TextToShiftJis(name, back) || back.size() != 2) continue;
        SCOPED_TRACE(lead);
        EXPECT_EQ(PathFileName("C:\\d\\" + name), name);
        EXPECT_EQ(PathDirectory("C:\\d\\" + name + "\\f"), "C:\\d\\" + name + "\\");
    }
}

}  // namespace
