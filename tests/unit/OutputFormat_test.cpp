#include "shared/OutputFormat.h"

#include <gtest/gtest.h>

#include "tests/OutputFlags.h"

namespace {

// 表, ソ and 能 end in the byte 0x5C, which is no separator there.
const Text kFile = "C:\\表\\ソ能.txt";

// Rows of the flags (D: the entry is a folder), the line, whose relative part starts at 3, and the result:
// each line formatted with its flags gives its result.
template <std::size_t N>
void ExpectFormatted(const Text (&cases)[N][3]) {
    for (const auto& [flags, line, expected] : cases)
        EXPECT_EQ(FormatEntry({line, 3, flags.find('D') != Text::npos, nullptr}, OutputFlags(flags)),
                  expected)
            << flags << " " << line;
}

TEST(FormatEntry, PathOptionsAloneAndCombined) {
    const Text cases[][3] = {
        {"", kFile, kFile},
        {"/", kFile, "C:/表/ソ能.txt"},
        {"2", kFile, "C:\\\\表\\\\ソ能.txt"},
        {"\"", kFile, "\"C:\\表\\ソ能.txt\""},
        {"_", kFile, kFile},
        {"_D", "C:\\データ 表", "\"C:\\データ 表\""},
        {"r", kFile, "表\\ソ能.txt"},
        {"r", "表", ""},
        {"e", kFile, "C:\\表\\ソ能"},
        {"e", "C:\\表\\.bashrc", "C:\\表\\.bashrc"},
        {"e", "C:\\表.d\\ソ", "C:\\表.d\\ソ"},
        {"eD", "C:\\表.d", "C:\\表.d"},
        {"mD", "C:\\資料\\表", "C:\\資料\\表\\"},
        {"mD", "C:\\", "C:\\"},
        {"m", kFile, kFile},
        {"mD", "", ""},
        {"rm/D", "C:\\能", "能/"},
        {"re/\"", kFile, "\"表/ソ能\""},
        {"m2_D", "C:\\データ 表", "\"C:\\\\データ 表\\\\\""},
    };
    ExpectFormatted(cases);
}

// Each column asked for follows after a tab, empty when unknown; a time off the clock gives an empty column.
TEST(FormatEntry, ColumnsFollowThePathEachAfterATab) {
    const EntryFacts file{FileAttr::ReadOnly | FileAttr::Archive, 1234567890123, {2026, 1, 2, 3, 4, 5}};
    const EntryFacts folder{
        FileAttr::Directory | FileAttr::Hidden | FileAttr::System, 4096, {999, 12, 31, 23, 59, 9}};
    const EntryFacts odd{FileAttr::ReadOnly | FileAttr::ReparsePoint, 0, {2026, 13, 1, 0, 0, 0}};
    const OutputOptions all = OutputFlags("c");
    EXPECT_EQ(FormatEntry({kFile, 0, false, &file}, all), kFile + "\t1234567890123\t2026/01/02 03:04:05\tRA");
    EXPECT_EQ(FormatEntry({"C:\\表", 0, true, &folder}, all), "C:\\表\t\t0999/12/31 23:59:09\tHSD");
    EXPECT_EQ(FormatEntry({kFile, 0, false, &odd}, all), kFile + "\t0\t\tR");
    EXPECT_EQ(FormatEntry({kFile, 0, false, nullptr}, all), kFile + "\t\t\t");
    EXPECT_EQ(FormatEntry({kFile, 0, false, &file}, OutputFlags("/\"t")),
              "\"C:/表/ソ能.txt\"\t2026/01/02 03:04:05");
}

// Only the defaults keep the lines and join them as they stand; the order and the separators leave the lines.
TEST(OutputOptions, EveryFieldCountsAndOnlyLineOptionsChangeLines) {
    EXPECT_TRUE(KeepsLines(OutputOptions{}));
    EXPECT_TRUE(JoinsWithCrLf(OutputOptions{}));
    for (const Text flag :
         {"/", "2", "\"", "_", "r", "e", "m", "t", "c", "T", ",", "n", "d", "w", "u", "v"}) {
        const OutputOptions changed = OutputFlags(flag);
        EXPECT_NE(changed, OutputOptions{}) << flag;
        EXPECT_EQ(KeepsLines(changed), Text("T,nd").find(flag) != Text::npos) << flag;
        EXPECT_EQ(JoinsWithCrLf(changed), Text("T,n").find(flag) == Text::npos) << flag;
    }
}

// WSL mounts drives, not shares; a URI carries the UTF-8 bytes of every character but the unreserved ones, a
// share's server as its authority.
TEST(FormatEntry, WslAndFileUriFormsOfDriveShareAndUnicodePaths) {
    const Text cases[][3] = {
        {"w", kFile, "/mnt/c/表/ソ能.txt"},
        {"w", "d:\\a b", "/mnt/d/a b"},
        {"w", "D:", "/mnt/d"},
        {"w", "\\\\srv\\共有\\表.txt", "\\\\srv\\共有\\表.txt"},
        {"wr", kFile, "表/ソ能.txt"},
        {"wmD", "C:\\表", "/mnt/c/表/"},
        {"u", kFile, "file:///C:/%E8%A1%A8/%E3%82%BD%E8%83%BD.txt"},
        {"u", "C:\\a b#1%.txt", "file:///C:/a%20b%231%25.txt"},
        {"u", "C:\\😀~_-.x", "file:///C:/%F0%9F%98%80~_-.x"},
        {"u", "\\\\srv\\share\\café", "file://srv/share/caf%C3%A9"},
        {"u", "C:\\", "file:///C:/"},
        {"ur", kFile, "%E8%A1%A8/%E3%82%BD%E8%83%BD.txt"},
        {"u\"", "C:\\a b", "\"file:///C:/a%20b\""},
    };
    ExpectFormatted(cases);
}

// RFC 4180: a field with a comma, a quote or a space is quoted, its quotes doubled; columns follow after
// commas; the quoting option gives way; rows always end in CR LF.
TEST(FormatEntry, CsvQuotesWhatNeedsItAndNamesItsColumns) {
    const EntryFacts file{FileAttr::ReadOnly, 42, {2026, 1, 2, 3, 4, 5}};
    const struct {
        Text flags, line, row;
    } cases[] = {
        {"v", "C:\\表.txt", "C:\\表.txt"},
        {"v", "C:\\a,b.txt", "\"C:\\a,b.txt\""},
        {"v", "C:\\say \"hi\".txt", "\"C:\\say \"\"hi\"\".txt\""},
        {"v\"", "C:\\a b", "\"C:\\a b\""},
        {"v\"", "C:\\ab", "C:\\ab"},
        {"vc", "C:\\a,b", "\"C:\\a,b\",42,\"2026/01/02 03:04:05\",R"},
        {"vt", "C:\\x", "C:\\x,\"2026/01/02 03:04:05\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatEntry({c.line, 0, false, &file}, OutputFlags(c.flags)), c.row) << c.flags << c.line;
    EXPECT_EQ(CsvHeader(OutputFlags("v")), "パス");
    EXPECT_EQ(CsvHeader(OutputFlags("vc")), "パス,サイズ,更新日時,属性");
    EXPECT_EQ(CsvHeader(OutputFlags("vt")), "パス,更新日時");
    const OutputOptions tabs = OutputFlags("vT");
    EXPECT_EQ(SeparatorText(tabs), "\r\n");
    EXPECT_TRUE(JoinsWithCrLf(tabs));
    EXPECT_FALSE(KeepsLines(tabs));
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
