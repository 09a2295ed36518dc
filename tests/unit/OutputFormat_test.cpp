#include "shared/OutputFormat.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// 表, ソ and 能 end in the byte 0x5C, which is no separator there.
const Text kFile = "C:\\表\\ソ能.txt";

// The path options a row names: / slash, 2 doubled backslash, " always quoted, _ quoted when spaced,
// r relative, e no extension, m folder mark, c every column.
OutputOptions With(const Text& flags) {
    OutputOptions o;
    for (const char f : flags) {
        if (f == '/') o.slashes = SlashStyle::Slash;
        if (f == '2') o.slashes = SlashStyle::DoubledBackslash;
        if (f == '"') o.quoting = Quoting::Always;
        if (f == '_') o.quoting = Quoting::WhenSpace;
        o.relative |= f == 'r';
        o.extensions &= f != 'e';
        o.folderMark |= f == 'm';
        if (f == 'c') o.sizeColumn = o.timeColumn = o.attributeColumn = true;
    }
    return o;
}

TEST(FormatEntry, PathOptionsAloneAndCombined) {
    const struct {
        Text flags;
        Text line;
        std::size_t relativeStart;
        bool folder;
        Text expected;
    } cases[] = {
        {"", kFile, 3, false, kFile},
        {"/", kFile, 0, false, "C:/表/ソ能.txt"},
        {"2", kFile, 0, false, "C:\\\\表\\\\ソ能.txt"},
        {"/", "\\\\srv\\共有\\表", 0, false, "//srv/共有/表"},
        {"\"", kFile, 0, false, "\"C:\\表\\ソ能.txt\""},
        {"_", kFile, 0, false, kFile},
        {"_", "C:\\データ 表", 0, true, "\"C:\\データ 表\""},
        {"r", kFile, 3, false, "表\\ソ能.txt"},
        {"r", kFile, 6, false, "ソ能.txt"},
        {"r", "表", 9, false, ""},
        {"e", kFile, 0, false, "C:\\表\\ソ能"},
        {"e", "C:\\表\\.bashrc", 0, false, "C:\\表\\.bashrc"},
        {"e", "C:\\表.d\\ソ", 0, false, "C:\\表.d\\ソ"},
        {"e", "C:\\表.d", 0, true, "C:\\表.d"},
        {"m", "C:\\資料\\表", 0, true, "C:\\資料\\表\\"},
        {"m", "C:\\", 0, true, "C:\\"},
        {"m", kFile, 0, false, kFile},
        {"m", "", 0, true, ""},
        {"re/\"", kFile, 3, false, "\"表/ソ能\""},
        {"m2_", "C:\\データ 表", 0, true, "\"C:\\\\データ 表\\\\\""},
        {"rm/", "能", 0, true, "能/"},
        {"m/", "C:\\", 0, true, "C:/"},
        {"re2\"", "ソ能.txt", 0, false, "\"ソ能\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatEntry({c.line, c.relativeStart, c.folder, nullptr}, With(c.flags)), c.expected)
            << c.flags << " " << c.line;
    }
}

TEST(FormatEntry, ColumnsFollowThePathEachAfterATab) {
    const EntryFacts file{FileAttr::ReadOnly | FileAttr::Archive, 1234567890123, {2026, 1, 2, 3, 4, 5}};
    const EntryFacts folder{
        FileAttr::Directory | FileAttr::Hidden | FileAttr::System, 4096, {999, 12, 31, 23, 59, 9}};
    const EntryFacts odd{
        FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System | FileAttr::Archive | FileAttr::ReparsePoint,
        0,
        {2026, 13, 1, 0, 0, 0}};
    EXPECT_EQ(FormatEntry({kFile, 0, false, &file}, With("c")),
              kFile + "\t1234567890123\t2026/01/02 03:04:05\tRA");
    EXPECT_EQ(FormatEntry({"C:\\表", 0, true, &folder}, With("c")), "C:\\表\t\t0999/12/31 23:59:09\tHSD");
    EXPECT_EQ(FormatEntry({kFile, 0, false, &odd}, With("c")), kFile + "\t0\t\tRHSA");
    EXPECT_EQ(FormatEntry({kFile, 0, false, nullptr}, With("c")), kFile + "\t\t\t");

    OutputOptions one = With("/\"");
    one.timeColumn = true;
    EXPECT_EQ(FormatEntry({kFile, 0, false, &file}, one), "\"C:/表/ソ能.txt\"\t2026/01/02 03:04:05");
}

TEST(OutputOptions, EveryFieldCountsAndOnlyLineOptionsChangeLines) {
    const struct {
        std::function<void(OutputOptions&)> set;
        bool keepsLines;
        bool joinsWithCrLf;
    } changes[] = {
        {[](OutputOptions& o) { o.quoting = Quoting::WhenSpace; }, false, true},
        {[](OutputOptions& o) { o.separator = LineSeparator::Comma; }, true, false},
        {[](OutputOptions& o) { o.customSeparator = ";"; }, true, true},
        {[](OutputOptions& o) { o.lastLineEnd = false; }, true, false},
        {[](OutputOptions& o) { o.slashes = SlashStyle::DoubledBackslash; }, false, true},
        {[](OutputOptions& o) { o.folderMark = true; }, false, true},
        {[](OutputOptions& o) { o.relative = true; }, false, true},
        {[](OutputOptions& o) { o.extensions = false; }, false, true},
        {[](OutputOptions& o) { o.order = EntryOrder::Natural; }, true, true},
        {[](OutputOptions& o) { o.sizeColumn = true; }, false, true},
        {[](OutputOptions& o) { o.timeColumn = true; }, false, true},
        {[](OutputOptions& o) { o.attributeColumn = true; }, false, true},
    };
    EXPECT_TRUE(KeepsLines(OutputOptions{}));
    EXPECT_TRUE(JoinsWithCrLf(OutputOptions{}));
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        OutputOptions changed;
        changes[i].set(changed);
        EXPECT_NE(changed, OutputOptions{}) << i;
        EXPECT_EQ(KeepsLines(changed), changes[i].keepsLines) << i;
        EXPECT_EQ(JoinsWithCrLf(changed), changes[i].joinsWithCrLf) << i;
    }
}

TEST(JoinOutput, EachSeparatorWithAndWithoutTheLastLineEnd) {
    const struct {
        LineSeparator separator;
        Text custom;
        Text joined;
    } cases[] = {
        {LineSeparator::CrLf, "", "C:\\表\r\nソ"},
        {LineSeparator::Tab, "", "C:\\表\tソ"},
        {LineSeparator::Space, "", "C:\\表 ソ"},
        {LineSeparator::Comma, ";", "C:\\表,ソ"},
        {LineSeparator::Custom, " | ", "C:\\表 | ソ"},
        {LineSeparator::Custom, "", "C:\\表ソ"},
        // Cut at 16 bytes without splitting 能, whose first byte is the 16th.
        {LineSeparator::Custom, Text(15, '-') + "能", "C:\\表" + Text(15, '-') + "ソ"},
    };
    for (const auto& c : cases) {
        OutputOptions options;
        options.separator = c.separator;
        options.customSeparator = c.custom;
        EXPECT_EQ(JoinOutput({"C:\\表", "ソ"}, options), c.joined + "\r\n") << c.joined;
        options.lastLineEnd = false;
        EXPECT_EQ(JoinOutput({"C:\\表", "ソ"}, options), c.joined) << c.joined;
        EXPECT_EQ(JoinOutput({}, options), "");
        EXPECT_EQ(JoinOutput({"能"}, options), "能");
    }
}

}  // namespace
