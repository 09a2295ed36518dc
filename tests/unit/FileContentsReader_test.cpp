#include "collect/FileContentsReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <random>
#include <string>

#include "collect/DropHandler.h"
#include "platform/Encoding.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/fakes/FakeFileReader.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeNetwork.h"
#include "tests/fakes/RecordingView.h"
#include "tests/unit/RandomStops.h"
#include "text/AppError.h"
#include "text/ShiftJisBytes.h"

namespace {

using Lines = std::vector<Text>;

const Text kPath = "C:\\d\\a.txt";

// The count line as the user sees it: the count right-aligned in ten places.
Text CountLine(std::size_t count, const Text& middle = "行:", const Text& path = kPath) {
    const std::string digits = std::to_string(count);
    return Text(digits.size() < 10 ? 10 - digits.size() : 0, ' ') + digits + middle + path;
}

// Characters as a file holds them.
Text Sjis(const Text& text) {
    std::string bytes;
    TextToShiftJis(text, bytes);
    return bytes;
}

// Lines of file bytes as the text area shows them, each decoded on its own.
Lines Decoded(Lines lines) {
    for (Text& line : lines)
        line = TextFromShiftJisFile(line);
    return lines;
}

// A line as the text area is to be handed it: each NUL a space.
Text Showable(Text line) {
    std::replace(line.begin(), line.end(), '\0', ' ');
    return line;
}

// The lines of a file read the plain way, one byte after another, as the rules are worded.
Lines ReferenceLines(const Text& bytes, bool skipBlank) {
    Lines lines;
    std::size_t i = 0;
    const auto atEnd = [&] { return i >= bytes.size() || bytes[i] == 0x1A; };
    while (!atEnd()) {
        Text line;
        while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != 0x1A)
            line += bytes[i++];
        if (i < bytes.size() && bytes[i] == '\r') {
            ++i;
            if (i < bytes.size() && bytes[i] == '\n') ++i;
        }
        bool blank = true;
        for (const char c : line)
            blank = blank && static_cast<unsigned char>(c) <= 0x20;
        if (!(skipBlank && blank)) lines.push_back(Showable(line));
    }
    return lines;
}

// n lines "L0000" ... each ended by CR LF.
Text NumberedLines(int n) {
    Text text;
    for (int i = 0; i < n; ++i) {
        const std::string number = std::to_string(10000 + i).substr(1);
        text += "L" + number + "\r\n";
    }
    return text;
}

class FileContentsReaderTest : public ::testing::Test {
protected:
    void AllLines(bool skipBlank = false) {
        view.options.countLines = false;
        view.options.allLines = true;
        view.options.skipBlankLines = skipBlank;
    }
    void CountMode(bool skipBlank = false) {
        view.options.countLines = true;
        view.options.allLines = false;
        view.options.skipBlankLines = skipBlank;
    }

    // Reads kPath holding contents and returns what it wrote to the text area.
    Lines Read(const Text& contents) {
        files.Add(kPath, contents);
        view.lines.clear();
        reader.AddFileContents(kPath);
        reader.WriteHeldLines();
        return view.lines;
    }

    Text ErrorOf(const Text& path) {
        try {
            reader.AddFileContents(path);
        } catch (const AppError& e) {
            return e.Message();
        }
        return "(no error)";
    }

    FakeFileReader files;
    RecordingView view;
    FakeCollation locale{LetterCase::kIgnored};
    DropState state{locale};
    FileContentsReader reader{state, view, files};
};

struct SplitCase {
    const char* name;
    Text bytes;
    Lines lines;     // every line, as written in all-lines mode
    Lines nonBlank;  // with blank lines skipped
};

TEST_F(FileContentsReaderTest, SplitsLinesInBothModesWhateverTheReadPieces) {
    const Text longLine(1000, 'x');
    const std::vector<SplitCase> cases = {
        {"the worked example",
         Text("a\r\nb\rc\nd\x1A"
              "e\r\n"),
         {"a", "b", "c\nd"},
         {"a", "b", "c\nd"}},
        {"empty file", "", {}, {}},
        {"CR LF only", "\r\n", {""}, {}},
        {"empty line between", "a\r\n\r\nb", {"a", "", "b"}, {"a", "b"}},
        {"lone CR at the end", "a\r", {"a"}, {"a"}},
        {"two CRs at the end", "a\r\r", {"a", ""}, {"a"}},
        {"LF after CR LF starts a line", "\r\n\n", {"", "\n"}, {}},
        {"LF then CR", "a\n\rb", {"a\n", "b"}, {"a\n", "b"}},
        {"LF line ends only", "a\nb\nc\n", {"a\nb\nc\n"}, {"a\nb\nc\n"}},
        {"0x1A in the middle",
         Text("ab\x1A"
              "cd\r\nef"),
         {"ab"},
         {"ab"}},
        {"0x1A first",
         Text("\x1A"
              "abc"),
         {},
         {}},
        {"CR then 0x1A",
         Text("\r\x1A"
              "x"),
         {""},
         {}},
        {"a 1000-byte line", longLine, {longLine}, {longLine}},
        {"spaces and tabs", " \t \r\n\t\t\r\n x \r\n", {" \t ", "\t\t", " x "}, {" x "}},
        {"control bytes are blank", Text("\x01\x00\x1F\r\n", 5), {"\x01 \x1F"}, {}},
        {"a NUL is shown as a space",
         Text("a\0b\r\n\0\r\n\x81\0", 10),
         {"a b", " ", "\x81 "},
         {"a b", "\x81 "}},
        {"a lead byte alone at the line end",
         "abc\x81\r\n" + Sjis("表") + "\x81\rx\x81\x81\x81\r\n\x81",
         {"abc\x81", Sjis("表") + "\x81", "x\x81\x81\x81", "\x81"},
         {"abc\x81", Sjis("表") + "\x81", "x\x81\x81\x81", "\x81"}},
        {"a lead byte takes an LF as its second byte", "\x81\n\r\n", {"\x81\n"}, {"\x81\n"}},
        {"full-width spaces", "\x81\x40\x81\x40\r\n", {"\x81\x40\x81\x40"}, {"\x81\x40\x81\x40"}},
        {"trail byte 0x5C and high bytes",
         Sjis("表") + "\r\n" + Sjis("ソ") + "\xFF",
         {Sjis("表"), Sjis("ソ") + "\xFF"},
         {Sjis("表"), Sjis("ソ") + "\xFF"}},
    };
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, FileContentsReader::kBlockBytes}) {
        files.readPiece = piece;
        for (const SplitCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", reads of " + std::to_string(piece) + " bytes");
            AllLines();
            EXPECT_EQ(Read(c.bytes), Decoded(c.lines));
            AllLines(true);
            EXPECT_EQ(Read(c.bytes), Decoded(c.nonBlank));
            CountMode();
            EXPECT_EQ(Read(c.bytes), Lines{CountLine(c.lines.size())});
            CountMode(true);
            EXPECT_EQ(Read(c.bytes), Lines{CountLine(c.nonBlank.size())});
        }
    }
}

TEST_F(FileContentsReaderTest, RandomFilesMatchThePlainReading) {
    // Stops, their neighbours and look-alikes (0x8D and 0x9A differ from CR and 0x1A in the high bit only).
    RandomStops stops(20240531, Text("\r\n\x1A\t\0\x0C\x1F \x8D\x9A", 10), "ab\x81\x40\x5C\xFF\x7F\x80\x2D!",
                      3000, {50, 5, 1});
    std::mt19937& random = stops.random;
    for (int round = 0; round < 600; ++round) {
        const Text bytes = stops.File(round);
        const bool skipBlank = round % 5 < 2;
        const std::size_t pieces[] = {1 + random() % 20, 1 + random() % 300, FileContentsReader::kBlockBytes};
        files.readPiece = pieces[round % 3];
        SCOPED_TRACE("round " + std::to_string(round));
        const Lines expected = Decoded(ReferenceLines(bytes, skipBlank));
        AllLines(skipBlank);
        EXPECT_EQ(Read(bytes), expected);
        CountMode(skipBlank);
        EXPECT_EQ(Read(bytes), Lines{CountLine(expected.size())});
    }
}

TEST_F(FileContentsReaderTest, ReadsInLargeBlocksAndAppendsInLargeBatches) {
    AllLines();
    const int n = static_cast<int>(FileContentsReader::kBatchLines) + 100;
    const Text contents = NumberedLines(n);
    EXPECT_EQ(Read(contents).size(), static_cast<std::size_t>(n));
    EXPECT_EQ(view.lines[12345], "L2345");
    EXPECT_EQ(view.CallsStartingWith("append"),
              (Lines{"append lines " + std::to_string(FileContentsReader::kBatchLines), "append lines 100"}));
    EXPECT_EQ(view.CallsStartingWith("redraw"), (Lines{"redraw off", "redraw on"}));
    EXPECT_EQ(view.calls.back(), "redraw on");
    for (const std::size_t asked : files.readSizes)
        EXPECT_EQ(asked, FileContentsReader::kBlockBytes);
    EXPECT_EQ(files.readSizes.size(), contents.size() / FileContentsReader::kBlockBytes + 2);
    EXPECT_EQ(files.openFiles, 0);
}

TEST_F(FileContentsReaderTest, LongLinesGoInBatchesBoundedByBytes) {
    AllLines();
    const Text line(FileContentsReader::kLongestLine, 'q');
    const std::size_t perBatch = FileContentsReader::kBatchBytes / line.size();
    Text contents;
    for (std::size_t i = 0; i <= perBatch; ++i)
        contents += line + "\r\n";
    EXPECT_EQ(Read(contents), Lines(perBatch + 1, line));
    EXPECT_EQ(view.CallsStartingWith("append"),
              (Lines{"append lines " + std::to_string(perBatch), "append lines 1"}));
}

TEST_F(FileContentsReaderTest, ANulOrALoneLeadByteAffectsOnlyItsOwnLine) {
    AllLines();
    const Lines afterNul = Read(Text("head\0tail\r\n", 11) + NumberedLines(20000));
    ASSERT_EQ(afterNul.size(), 20001u);
    EXPECT_EQ(afterNul[0], "head tail");
    EXPECT_EQ(afterNul[1], "L0000");
    EXPECT_EQ(afterNul[20000], "L9999");
    for (const Text& line : afterNul)
        ASSERT_EQ(line.find('\0'), Text::npos);
    EXPECT_EQ(Read("abc\x81\r\nb\r\nc\r\nd\r\ne\r\nf\r\n"),
              (Lines{"abc\xED\xB2\x81", "b", "c", "d", "e", "f"}));
    CountMode();
    EXPECT_EQ(Read(Text("head\0tail\r\n", 11) + NumberedLines(20000)), Lines{CountLine(20001)});
}

TEST_F(FileContentsReaderTest, AnOverLongLineIsCutOnACharacterBoundary) {
    const std::size_t longest = FileContentsReader::kLongestLine;
    files.readPiece = 4096;
    AllLines();
    const Text exact(longest, 'x');
    EXPECT_EQ(Read(exact + "\r\nnext"), (Lines{exact, "next"}));
    EXPECT_EQ(reader.TakeDropNotice(), "");

    EXPECT_EQ(Read("before\r\n" + exact + "yz\r\nnext"), (Lines{"before", exact, "next"}));
    // A cut that would part 表 from its second byte leaves the whole character out.
    Text kanji = "a";
    while (kanji.size() <= longest)
        kanji += Sjis("表");
    const Lines cut = Read(kanji + "\r\n" + kanji);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0], TextFromShiftJis(kanji.substr(0, longest - 1)));
    EXPECT_EQ(cut[1], cut[0]);
    EXPECT_NE(reader.TakeDropNotice(), "");

    // Count mode counts the lines whole and has nothing to tell.
    CountMode();
    EXPECT_EQ(Read(exact + exact + "\r\n" + exact), Lines{CountLine(2)});
    EXPECT_EQ(reader.TakeDropNotice(), "");
}

// Text as a UTF-16 file holds it, after its byte order mark.
Text Utf16File(const std::u16string& text, bool bigEndian) {
    Text bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(bigEndian ? unit >> 8 : unit & 0xFF);
        bytes += static_cast<char>(bigEndian ? unit & 0xFF : unit >> 8);
    }
    return bytes;
}

TEST_F(FileContentsReaderTest, Utf16FilesAreSplitInTheirOwnUnitsInBothByteOrders) {
    struct Case {
        const char* name;
        std::u16string text;
        Lines lines;
        Lines nonBlank;
    };
    const Lines three = {"不思議な国の上", "二行目😀", "三行目"};
    const std::vector<Case> cases = {
        {"不 holds the byte 0x0D", u"不思議な国の上\r\n二行目\U0001F600\r\n三行目", three, three},
        {"the line rules",
         u"a\r\nb\rc\nd\x1A"
         u"e\r\n",
         {"a", "b", "c\nd"},
         {"a", "b", "c\nd"}},
        {"units holding the bytes of CR, LF and 0x1A",
         u"\x0A0D\x0D0A\x1A00\r\n\x0D00",
         {"\u0A0D\u0D0A\u1A00", "\u0D00"},
         {"\u0A0D\u0D0A\u1A00", "\u0D00"}},
        {"blank in units, not in bytes", std::u16string(u"\x0120\r\n \t\r\n\0", 8), {"Ġ", " \t", " "}, {"Ġ"}},
        {"unpaired surrogates", u"x\xD800\r\n\xDC00y", {"x�", "�y"}, {"x�", "�y"}},
        {"the mark alone", u"", {}, {}},
    };
    for (const bool big : {false, true}) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, FileContentsReader::kBlockBytes}) {
            files.readPiece = piece;
            for (const Case& c : cases) {
                SCOPED_TRACE(std::string(c.name) + (big ? ", big-endian" : "") + ", reads of " +
                             std::to_string(piece));
                const Text bytes = Utf16File(c.text, big);
                AllLines();
                EXPECT_EQ(Read(bytes), c.lines);
                AllLines(true);
                EXPECT_EQ(Read(bytes), c.nonBlank);
                CountMode();
                EXPECT_EQ(Read(bytes), Lines{CountLine(c.lines.size())});
                CountMode(true);
                EXPECT_EQ(Read(bytes), Lines{CountLine(c.nonBlank.size())});
            }
        }
        AllLines();
        EXPECT_EQ(Read(Utf16File(u"ab", big) + "A"), Lines{"ab�"}) << "an odd last byte";
        // The cut keeps whole pairs: 'a' and 262,143 pairs fill the longest line but for one unit.
        std::u16string pairs = u"a";
        for (std::size_t i = 0; i * 4 < FileContentsReader::kLongestLine; ++i)
            pairs += u"\U0001F600";
        const Lines cut = Read(Utf16File(pairs, big));
        ASSERT_EQ(cut.size(), 1u);
        EXPECT_EQ(cut[0].size(), 1 + 4 * (FileContentsReader::kLongestLine / 4 - 1));
        EXPECT_EQ(cut[0].substr(cut[0].size() - 4), "😀");
        EXPECT_NE(reader.TakeDropNotice(), "");
    }
}

TEST_F(FileContentsReaderTest, Utf8FilesShowTheirCharactersAndTheOptionReadsShiftJis) {
    const Text text = "不思議な国の上\r\n二行目😀\r\n" + Text(1, '\0') + "三行目";
    const Lines lines = {"不思議な国の上", "二行目😀", " 三行目"};
    AllLines();
    EXPECT_EQ(Read("\xEF\xBB\xBF" + text), lines);
    EXPECT_EQ(Read(text), lines);
    // Told from the first lines beyond ASCII: a later ill-formed byte is shown as U+FFFD in its line.
    const Lines late = Read("不\r\n" + NumberedLines(20000) +
                            "ab\xFF"
                            "c");
    ASSERT_EQ(late.size(), 20002u);
    EXPECT_EQ(late.back(), "ab�c");
    // The cut leaves out a character it would split.
    Text long3;
    while (long3.size() <= FileContentsReader::kLongestLine)
        long3 += "あ";
    const Lines cut = Read(long3);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0], long3.substr(0, FileContentsReader::kLongestLine / 3 * 3));

    state.FContentsEncoding = ContentsEncoding::ShiftJis;
    for (const Text& bytes : {"\xEF\xBB\xBF" + text, Utf16File(u"不思議\r\n上", false)}) {
        AllLines();
        EXPECT_EQ(Read(bytes), Decoded(ReferenceLines(bytes, false)));
        CountMode();
        EXPECT_EQ(Read(bytes), Lines{CountLine(ReferenceLines(bytes, false).size())});
    }
}

// Files in each encoding told apart, short and long, their first bytes beyond ASCII early or past the first
// block, read in all-lines mode: the last line as shown.
TEST_F(FileContentsReaderTest, EachFileIsReadInTheEncodingItsBytesBearOut) {
    const Text text = "日本語のテキストです。";
    const Text euc =
        "\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xA5\xC6\xA5\xAD\xA5\xB9\xA5\xC8\xA4\xC7\xA4\xB9\xA1\xA3";
    const Text ascii = NumberedLines(10240);  // 70 KiB
    const Text undefinedE9 = "\xED\xB3\xA9";  // U+DCE9, the carrier of byte E9
    struct Case {
        const char* name;
        Text bytes;
        Text shown;
    };
    const Case cases[] = {
        {"Shift_JIS", Sjis(text), text},
        {"EUC-JP", euc, text},
        {"UTF-8", text, text},
        {"UTF-8, a stray byte among its first characters", text + "\xFF" + text, text + "�" + text},
        {"UTF-8, a stray byte first", "\x80" + text, "�" + text},
        {"Shift_JIS after 70 KiB of ASCII", ascii + Sjis(text), text},
        {"EUC-JP after 70 KiB of ASCII", ascii + euc, text},
        {"UTF-8 after 70 KiB of ASCII", ascii + text, text},
        {"UTF-8 with a stray byte after 70 KiB of ASCII", ascii + text + "\xFF", text + "�"},
        {"日本 in Shift_JIS", Sjis("日本"), "日本"},
        {"日本 in EUC-JP", "\xC6\xFC\xCB\xDC", "日本"},
        {"日本 in UTF-8", "日本", "日本"},
        {"ｱｲｳ in Shift_JIS", Sjis("ｱｲｳ"), "ｱｲｳ"},
        {"ｱｲｳ in EUC-JP", "\x8E\xB1\x8E\xB2\x8E\xB3", "ｱｲｳ"},
        {"ｱｲｳ in UTF-8", "ｱｲｳ", "ｱｲｳ"},
        {"あいう in EUC-JP", "\xA4\xA2\xA4\xA4\xA4\xA6", "あいう"},
        {"é in UTF-8", "é", "é"},
        {"é in Latin-1: Shift_JIS, the byte kept", "\xE9", undefinedE9},
        {"é in EUC-JP (JIS X 0212): Shift_JIS", "\x8F\xAB\xB1", TextFromShiftJisFile("\x8F\xAB\xB1")},
        {"a UTF-8 mark before Shift_JIS", "\xEF\xBB\xBF" + Sjis("日本"), TextFromUtf8File(Sjis("日本"))},
    };
    AllLines();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Lines lines = Read(c.bytes);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.shown);
        EXPECT_EQ(lines.size(), c.bytes.size() > ascii.size() ? 10241u : 1u);
    }
}

TEST_F(FileContentsReaderTest, TheDropNoticeNamesTheFirstCutFileOnce) {
    const Text over(FileContentsReader::kLongestLine + 1, 'x');
    const Text tail =
        "の長すぎる行を " + std::to_string(FileContentsReader::kLongestLine) + " バイトで切り詰めました。";
    AllLines();
    files.Add("C:\\d\\short.txt", "a\r\nb");
    files.Add("C:\\d\\one.txt", "a\r\n" + over + "\r\n" + over);
    files.Add("C:\\d\\two.txt", over);
    reader.AddFileContents("C:\\d\\short.txt");
    EXPECT_EQ(reader.TakeDropNotice(), "");
    reader.AddFileContents("C:\\d\\one.txt");
    reader.AddFileContents("C:\\d\\short.txt");
    EXPECT_EQ(reader.TakeDropNotice(), "C:\\d\\one.txt\r\nこのファイル" + tail);
    EXPECT_EQ(reader.TakeDropNotice(), "");
    for (const Text name : {"two.txt", "one.txt", "short.txt", "two.txt"})
        reader.AddFileContents("C:\\d\\" + name);
    EXPECT_EQ(reader.TakeDropNotice(), "C:\\d\\two.txt\r\nこのファイルほか 2 ファイル" + tail);
    // A read that fails after the cut still tells of it.
    files.Add(kPath, over + "\r\nabc").failReadAt = over.size() + 3;
    EXPECT_EQ(ErrorOf(kPath), kPath + "\r\nI/O エラー (23)");
    EXPECT_EQ(reader.TakeDropNotice(), kPath + "\r\nこのファイル" + tail);
}

TEST_F(FileContentsReaderTest, CountModeWritesOneLineAndAddsToTheTotal) {
    CountMode();
    state.FTotalLines = 10;
    EXPECT_EQ(Read("one\r\ntwo\r\nthree"), (Lines{"         3行:C:\\d\\a.txt"}));
    EXPECT_EQ(state.FTotalLines, 13);
    EXPECT_EQ(view.calls, (Lines{"status 2 0%", "options", "append lines 1"}));
    AllLines();
    Read("x\r\ny");
    EXPECT_EQ(state.FTotalLines, 13);
}

TEST_F(FileContentsReaderTest, CountLinesGoInWhileTheDropGoesOnInBatchesThatGrowWithTheText) {
    CountMode();
    files.Add(kPath, "x");
    const std::size_t first = FileContentsReader::kFirstCountBatch;
    for (std::size_t i = 0; i < 4 * first + 5; ++i)
        reader.AddFileContents(kPath);
    reader.WriteHeldLines();
    const auto appended = [](std::size_t n) { return "append lines " + std::to_string(n); };
    EXPECT_EQ(view.CallsStartingWith("append"),
              (Lines{appended(first), appended(first), appended(2 * first), appended(5)}));
    EXPECT_EQ(view.lines.size(), 4 * first + 5);
    // The next drop starts with small batches again.
    for (std::size_t i = 0; i < first; ++i)
        reader.AddFileContents(kPath);
    EXPECT_EQ(view.CallsStartingWith("append").size(), 5u);
}

TEST_F(FileContentsReaderTest, EmptyFileInBothModes) {
    CountMode();
    EXPECT_EQ(Read(""), (Lines{"         0行:C:\\d\\a.txt"}));
    EXPECT_EQ(view.panels[2], "0%");
    AllLines();
    view.calls.clear();
    EXPECT_EQ(Read(""), Lines{});
    EXPECT_EQ(view.calls, (Lines{"status 2 0%", "options", "redraw off", "redraw on"}));
}

TEST_F(FileContentsReaderTest, EntriesThatAreNoPlainFilesGiveNothing) {
    files.Add("C:\\d\\hidden.txt", "a\r\n", FileAttr::Archive | FileAttr::Hidden);
    files.Add("C:\\d\\system.txt", "a\r\n", FileAttr::System);
    files.AddFolder("C:\\d\\folder");
    files.Add("C:\\d\\readonly.txt", "a\r\n", FileAttr::ReadOnly);
    for (const bool count : {true, false}) {
        count ? CountMode() : AllLines();
        for (const Text path :
             {"C:\\d\\hidden.txt", "C:\\d\\system.txt", "C:\\d\\folder", "C:\\d\\missing"}) {
            reader.AddFileContents(path);
            EXPECT_TRUE(view.calls.empty()) << path;
        }
        EXPECT_EQ(files.opens, 0);
        EXPECT_EQ(state.FTotalLines, 0);
    }
    reader.AddFileContents("C:\\d\\readonly.txt");
    EXPECT_EQ(view.lines, (Lines{"a"}));
}

// Online-only files would be fetched by the open, a device might never answer a read: neither is read, and
// the notice names them by kind, the first few of each by name.
TEST_F(FileContentsReaderTest, OnlineFilesAndDevicesArePassedOverAndNamed) {
    const Text devices =
        "次の 2 ファイルはディスク上のファイルではなく、デバイス (COM1、AUX、NUL など) やパイプとして"
        "開かれたため、読まずに飛ばしました。";
    const Text online =
        "ファイルはオンライン専用 (中身がクラウドなどにだけある) のため、読まずに飛ばしました。"
        "読むには設定画面の「オンライン専用も読む」をオンにしてください。";
    CountMode();
    files.Add("C:\\d\\aux.c", "a\r\n").notDiskFile = true;
    files.Add("C:\\d\\com1.txt", "a\r\n").notDiskFile = true;
    Text names;
    for (int i = 0; i < 12; ++i) {
        const Text path = "C:\\d\\o" + std::to_string(i);
        files.Add(path, "a\r\n",
                  FileAttr::Archive | (i % 2 ? FileAttr::Offline : FileAttr::RecallOnDataAccess));
        reader.AddFileContents(path);
        if (i < 10) names += "\r\n" + path;
    }
    EXPECT_EQ(files.opens, 0);
    reader.AddFileContents("C:\\d\\aux.c");
    files.Add(kPath, "1\r\n2\r\n");
    reader.AddFileContents(kPath);
    reader.AddFileContents("C:\\d\\com1.txt");
    reader.WriteHeldLines();
    EXPECT_EQ(view.lines, (Lines{CountLine(2)}));
    EXPECT_EQ(reader.TakeDropNotice(), devices + "\r\nC:\\d\\aux.c\r\nC:\\d\\com1.txt\r\n\r\n次の 12 " +
                                           online + names + "\r\nほか 2 ファイル");
    EXPECT_EQ(reader.TakeDropNotice(), "");

    // With the option they are read like any other file.
    state.FReadOnlineFiles = true;
    AllLines();
    reader.AddFileContents("C:\\d\\o1");
    EXPECT_EQ(view.lines.back(), "a");
    EXPECT_EQ(reader.TakeDropNotice(), "");
}

// Facts the walk already has stand for the reader's own queries: what they call no plain file gives nothing
// and is not opened, their size makes the shares. A file gone since it was listed gives nothing; one that is
// there but cannot be opened is an error as ever.
TEST_F(FileContentsReaderTest, FactsFromTheWalkStandForTheQueries) {
    CountMode();
    files.Add(kPath, NumberedLines(1025));
    for (const std::uint32_t attributes :
         {FileAttr::Archive | FileAttr::Hidden, FileAttr::System, FileAttr::Directory, FileAttr::Invalid}) {
        const EntryFacts notPlain{attributes, 10, LocalTime()};
        reader.AddWalkedFile(kPath, kPath, &notPlain);
    }
    EXPECT_EQ(files.opens, 0);
    EXPECT_TRUE(view.calls.empty());

    const EntryFacts facts{FileAttr::Archive, 10250, LocalTime()};
    reader.AddWalkedFile(kPath, "shown", &facts);
    reader.WriteHeldLines();
    EXPECT_EQ(view.CallsStartingWith("status"), (Lines{"status 2 0%", "status 2 50%"}));
    EXPECT_EQ(view.lines, (Lines{CountLine(1025, "行:", "shown")}));

    view.calls.clear();
    reader.AddWalkedFile("C:\\d\\gone.txt", "C:\\d\\gone.txt", &facts);
    EXPECT_TRUE(view.calls.empty());
    files.Add(kPath, "a").openError = 32;
    EXPECT_THROW(reader.AddWalkedFile(kPath, kPath, &facts), AppError);
    EXPECT_EQ(view.calls, (Lines{"status 2 0%", "options"}));
    EXPECT_EQ(state.FTotalLines, 1025);
}

TEST_F(FileContentsReaderTest, ReportsAfterEvery1025CountedLines) {
    CountMode();
    struct Case {
        int lines;
        Lines reports;
    };
    // Lines of five bytes and two terminator bytes: the share counts the lines' bytes only.
    for (const Case& c :
         {Case{1024, {}}, Case{1025, {"status 2 71%"}}, Case{3000, {"status 2 24%", "status 2 48%"}}}) {
        view.calls.clear();
        view.pumps = 0;
        Read(NumberedLines(c.lines));
        Lines expected{"status 2 0%"};
        expected.insert(expected.end(), c.reports.begin(), c.reports.end());
        EXPECT_EQ(view.CallsStartingWith("status"), expected) << c.lines;
        EXPECT_EQ(view.pumps, static_cast<int>(c.reports.size()));
    }
    // Each report is followed by the pump.
    view.calls.clear();
    Read(NumberedLines(3000));
    const auto status = std::find(view.calls.begin(), view.calls.end(), "status 2 24%");
    ASSERT_NE(status, view.calls.end());
    EXPECT_EQ(*(status + 1), "pump");
}

TEST_F(FileContentsReaderTest, SkippedLinesDoNotAdvanceTheReports) {
    Text contents;
    for (int i = 0; i < 1025; ++i)
        contents += "xxxx\r\n \t\r\n";
    CountMode(true);
    EXPECT_EQ(Read(contents), Lines{CountLine(1025)});
    // 1025 counted lines of four bytes out of 10250 bytes.
    EXPECT_EQ(view.CallsStartingWith("status"), (Lines{"status 2 0%", "status 2 40%"}));
    view.calls.clear();
    CountMode(false);
    EXPECT_EQ(Read(contents), Lines{CountLine(2050)});
    // Without skipping, the 1025th line is the 513th text line: 513 * 4 + 512 * 2 bytes are counted then.
    EXPECT_EQ(view.CallsStartingWith("status"), (Lines{"status 2 0%", "status 2 30%", "status 2 60%"}));
}

TEST_F(FileContentsReaderTest, SizeZeroOrLargeStillGivesAShare) {
    CountMode();
    files.Add(kPath, NumberedLines(1025)).reportedSize = 0;
    reader.AddFileContents(kPath);
    EXPECT_EQ(view.CallsStartingWith("status"), (Lines{"status 2 0%", "status 2 0%"}));
    // A size beyond 32 bits must not be cut: 5125 bytes of 2^32 + 5125 is below 1%.
    view.calls.clear();
    files.Add(kPath, NumberedLines(1025)).reportedSize = (std::uint64_t{1} << 32) + 5125;
    reader.AddFileContents(kPath);
    EXPECT_EQ(view.CallsStartingWith("status"), (Lines{"status 2 0%", "status 2 0%"}));
}

TEST_F(FileContentsReaderTest, AbortAfterAReportInBothModes) {
    view.OnPump(2, [&] { state.FAbort = true; });
    CountMode();
    state.FTotalLines = 7;
    EXPECT_EQ(Read(NumberedLines(5000)), (Lines{"      2050行:[中断]C:\\d\\a.txt"}));
    EXPECT_EQ(state.FTotalLines, 7 + 2050);
    EXPECT_EQ(files.openFiles, 0);

    view.pumps = 0;
    state.FAbort = false;
    AllLines();
    const Lines written = Read(NumberedLines(5000));
    ASSERT_EQ(written.size(), 2051u);
    EXPECT_EQ(written[2049], "L2049");
    EXPECT_EQ(written.back(), "[中断]");
    EXPECT_EQ(state.FTotalLines, 7 + 2050);
}

TEST_F(FileContentsReaderTest, AbortOnTheLastLineStillMarksTheFile) {
    view.OnPump(1, [&] { state.FAbort = true; });
    AllLines();
    const Lines written = Read(NumberedLines(1025));
    EXPECT_EQ(written.size(), 1026u);
    EXPECT_EQ(written.back(), "[中断]");
}

// Lines longer than a block: the share of the bytes read is shown, and the window served, after every block.
TEST_F(FileContentsReaderTest, ALineOfManyBlocksReportsAfterEachBlock) {
    constexpr int kBlocks = 16;
    Lines expected{"status 2 0%"};
    for (int block = 1; block <= kBlocks; ++block)
        expected.push_back("status 2 " + std::to_string(block * 100 / kBlocks) + "%");
    for (const bool count : {true, false}) {
        count ? CountMode() : AllLines();
        view.calls.clear();
        view.pumps = 0;
        files.Add(kPath, "x").repeatedTo = kBlocks * FileContentsReader::kBlockBytes;
        reader.AddFileContents(kPath);
        EXPECT_EQ(view.CallsStartingWith("status"), expected) << count;
        EXPECT_EQ(view.pumps, kBlocks) << count;
    }
}

// Esc inside one line of 3 GiB without a line end ends the reading at the block where it was heard: what was
// read of the line is its last line (cut to the longest line the text area takes), then the mark.
TEST_F(FileContentsReaderTest, AbortInsideAHugeLineEndsTheReadingThere) {
    constexpr int kAbortAt = 20;
    const std::uint64_t huge = std::uint64_t{3} << 30;
    view.OnPump(kAbortAt, [&] { state.FAbort = true; });
    AllLines();
    files.Add(kPath, "x").repeatedTo = huge;
    reader.AddFileContents(kPath);
    EXPECT_EQ(view.lines, (Lines{Text(FileContentsReader::kLongestLine, 'x'), "[中断]"}));
    EXPECT_EQ(files.readSizes.size(), static_cast<std::size_t>(kAbortAt));
    EXPECT_NE(reader.TakeDropNotice(), "");
    EXPECT_EQ(files.openFiles, 0);
}

TEST_F(FileContentsReaderTest, AbortInsideAHugeLineInCountMode) {
    view.OnPump(3, [&] { state.FAbort = true; });
    CountMode();
    files.Add(kPath, "x").repeatedTo = std::uint64_t{3} << 30;
    reader.AddFileContents(kPath);
    reader.WriteHeldLines();
    EXPECT_EQ(view.lines, Lines{CountLine(1, "行:[中断]")});
    EXPECT_EQ(files.readSizes.size(), 3u);
}

TEST_F(FileContentsReaderTest, OpenFailuresGiveTheirTexts) {
    const std::vector<std::pair<std::uint32_t, Text>> cases = {
        {2, "ファイルが見つかりません"},
        {3, "不正なファイル名です"},
        {4, "オープンしたファイルが多すぎます"},
        {5, "ファイルへのアクセスが拒否されました"},
        {100, "ファイルの末尾以降を読み込みました"},
        {101, "ディスクがいっぱいです"},
        {106, "入力値が数値ではありません"},
        {32, "ほかのプログラムがファイルを使用中のため開けません"},
        {33, "ほかのプログラムがファイルの一部をロックしているため読めません"},
        {1234, "I/O エラー (1234)"},
    };
    for (const bool count : {true, false}) {
        count ? CountMode() : AllLines();
        for (const auto& [code, text] : cases) {
            files.Add(kPath, "a\r\nb\r\n").openError = code;
            view.calls.clear();
            EXPECT_EQ(ErrorOf(kPath), kPath + "\r\n" + text) << code;
            EXPECT_EQ(view.calls, (Lines{"status 2 0%", "options"})) << code;
            EXPECT_EQ(state.FTotalLines, 0);
        }
    }
}

TEST_F(FileContentsReaderTest, ReadFailureKeepsTheLinesReadButWritesNoCountLineAndNoMark) {
    // 20000 bytes hold 2857 whole lines of seven bytes; the failure comes inside the next one.
    files.readPiece = 100;
    for (const std::size_t at : {std::size_t{0}, std::size_t{20000}}) {
        for (const bool count : {true, false}) {
            count ? CountMode() : AllLines();
            view.lines.clear();
            view.calls.clear();
            files.Add(kPath, NumberedLines(5000)).failReadAt = at;
            EXPECT_EQ(ErrorOf(kPath), kPath + "\r\nI/O エラー (23)");
            EXPECT_EQ(state.FTotalLines, 0);
            EXPECT_EQ(view.CallsStartingWith("redraw"), count ? Lines{} : (Lines{"redraw off", "redraw on"}));
            EXPECT_EQ(view.lines.size(), count ? 0u : at / 7) << at;
            if (!count && at > 0) {
                EXPECT_EQ(view.lines.back(), "L2856");
            }
            EXPECT_EQ(files.openFiles, 0);
        }
    }
}

TEST_F(FileContentsReaderTest, AFailedReadWithoutACodeIsAnErrorAndNoEnd) {
    files.readPiece = 70;
    for (const bool count : {true, false}) {
        count ? CountMode() : AllLines();
        FakeFileReader::File& file = files.Add(kPath, NumberedLines(100));
        file.failReadAt = 140;
        file.readError = 0;
        EXPECT_EQ(ErrorOf(kPath), kPath + "\r\nI/O エラー (0)");
        EXPECT_EQ(view.lines.size(), count ? 0u : 20u);
        EXPECT_EQ(state.FTotalLines, 0);
        view.lines.clear();
    }
}

// The reader inside a whole drop: the walker hands it each file, the drop handler writes the total.
class ContentsDropTest : public FileContentsReaderTest {
protected:
    ContentsDropTest() {
        view.options.fullPath = false;
        view.options.contents = true;
        view.options.recurse = true;
        for (const Text name : {"a.txt", "b.txt", "c.txt"})
            tree.AddFile("C:\\d\\" + name);
        files.Add("C:\\d\\a.txt", "1\r\n2\r\n");
        files.Add("C:\\d\\b.txt", "1\r\n2\r\n3");
        files.Add("C:\\d\\c.txt", "1");
    }

    Text Drop() {
        FakeDroppedNames names({"C:\\d"});
        bool handled = false;
        try {
            handler.HandleDrop(names, handled);
        } catch (const AppError& e) {
            return e.Message();
        }
        return "(no error)";
    }

    FakeFileSystem tree;
    FakeNetwork network;
    DropHandler handler{state, view, tree, network, reader};
};

TEST_F(ContentsDropTest, CountModeEndsWithTheTotalLine) {
    CountMode();
    EXPECT_EQ(Drop(), "(no error)");
    EXPECT_EQ(view.lines, (Lines{CountLine(2, "行:", "C:\\d\\a.txt"), CountLine(3, "行:", "C:\\d\\b.txt"),
                                 CountLine(1, "行:", "C:\\d\\c.txt"), "         6行:Ｔｏｔａｌ"}));
    // The count lines of all files go in with one replacement, before the finishing steps.
    EXPECT_EQ(view.CallsStartingWith("append"), (Lines{"append lines 3", "append " + view.lines.back()}));
    EXPECT_LT(std::find(view.calls.begin(), view.calls.end(), "append lines 3") - view.calls.begin(),
              std::find(view.calls.begin(), view.calls.end(), "status 2 ") - view.calls.begin());
    EXPECT_EQ(view.panels[2], "");
    EXPECT_EQ(view.clipboard, "");
}

TEST_F(ContentsDropTest, HeadingsNameEachFileWithABlankLineBetweenAndNoneInCountMode) {
    OutputOptions headed;
    headed.contentsHeadings = true;
    DropHandler heading(state, view, tree, network, reader, headed);
    const auto drop = [&] {
        FakeDroppedNames names({"C:\\d"});
        bool handled = false;
        view.lines.clear();
        heading.HandleDrop(names, handled);
        return view.lines;
    };
    AllLines();
    const Lines expected = {"■ C:\\d\\a.txt", "1", "2", "", "■ C:\\d\\b.txt", "1", "2", "3", "",
                            "■ C:\\d\\c.txt", "1"};
    EXPECT_EQ(drop(), expected);
    EXPECT_EQ(drop(), expected) << "each drop starts again without a blank line";
    CountMode();
    EXPECT_EQ(drop(), (Lines{CountLine(2, "行:", "C:\\d\\a.txt"), CountLine(3, "行:", "C:\\d\\b.txt"),
                             CountLine(1, "行:", "C:\\d\\c.txt"), "         6行:Ｔｏｔａｌ"}));
}

TEST_F(ContentsDropTest, CutLinesAreToldOnceAfterTheFinishingSteps) {
    AllLines();
    const Text over(FileContentsReader::kLongestLine + 1, 'x');
    files.Add("C:\\d\\a.txt", over);
    files.Add("C:\\d\\c.txt", over).openError = 5;
    EXPECT_EQ(Drop(), "C:\\d\\c.txt\r\nファイルへのアクセスが拒否されました");
    const Lines messages = view.CallsStartingWith("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("message C:\\d\\a.txt\r\nこのファイルの長すぎる行を ", 0), 0u) << messages[0];
    EXPECT_EQ(view.calls.back(), messages[0]) << "told after the finishing steps";
    EXPECT_FALSE(state.FBusy);

    files.Add("C:\\d\\a.txt", "1");
    files.Add("C:\\d\\c.txt", "1").openError = 0;
    view.calls.clear();
    EXPECT_EQ(Drop(), "(no error)");
    EXPECT_TRUE(view.CallsStartingWith("message").empty());
}

TEST_F(ContentsDropTest, AFileThatCannotBeOpenedEndsTheDropAfterItsFinishingSteps) {
    CountMode();
    files.Add("C:\\d\\b.txt", "x").openError = 1117;
    EXPECT_EQ(Drop(), "C:\\d\\b.txt\r\nI/O エラー (1117)");
    EXPECT_EQ(view.lines, (Lines{CountLine(2, "行:", "C:\\d\\a.txt"), "         2行:Ｔｏｔａｌ"}));
    EXPECT_FALSE(state.FBusy);
    EXPECT_TRUE(view.topPanelEnabled);
    EXPECT_EQ(view.panels[2], "");
    EXPECT_EQ(files.opens, 1);
}

// The walk's facts tell of online-only files, so those are never opened; the drop's output options may have
// them read.
TEST_F(ContentsDropTest, OnlineFilesAreReadOnlyWithTheOption) {
    CountMode();
    tree.SetAttributes("C:\\d\\b.txt", FileAttr::Archive | FileAttr::RecallOnDataAccess);
    EXPECT_EQ(Drop(), "(no error)");
    EXPECT_EQ(view.lines, (Lines{CountLine(2, "行:", "C:\\d\\a.txt"), CountLine(1, "行:", "C:\\d\\c.txt"),
                                 "         3行:Ｔｏｔａｌ"}));
    EXPECT_EQ(files.opens, 2);
    const Lines messages = view.CallsStartingWith("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("\r\nC:\\d\\b.txt"), Text::npos) << messages[0];

    OutputOptions readOnline;
    readOnline.readOnlineFiles = true;
    DropHandler including(state, view, tree, network, reader, readOnline);
    FakeDroppedNames names({"C:\\d"});
    bool handled = false;
    view.lines.clear();
    view.calls.clear();
    including.HandleDrop(names, handled);
    EXPECT_EQ(view.lines[1], CountLine(3, "行:", "C:\\d\\b.txt"));
    EXPECT_EQ(view.lines.back(), "         6行:Ｔｏｔａｌ");
    EXPECT_TRUE(view.CallsStartingWith("message").empty());
}

// Files the read ahead's workers may open; the open of one waits until it is released.
class GatedFiles : public FileReader {
public:
    GatedFiles(std::map<Text, Text> contents, Text gated)
        : contents_(std::move(contents)), gated_(std::move(gated)) {}

    bool GatedOpenBegun() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return begun_;
    }
    int GatedOpens() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return gatedOpens_;
    }
    void Release() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            released_ = true;
        }
        changed_.notify_all();
    }

    bool Exists(const Text& path) override { return contents_.count(path) != 0; }
    std::optional<EntryFacts> PlainFileFacts(const Text& path) override {
        if (!Exists(path)) return std::nullopt;
        EntryFacts facts;
        facts.size = contents_.at(path).size();
        return facts;
    }
    OpenResult Open(const Text& path) override {
        std::unique_lock<std::mutex> lock(mutex_);
        if (path == gated_) {
            ++gatedOpens_;
            begun_ = true;
            changed_.wait(lock, [&] { return released_; });
        }
        return {std::make_unique<WholeFile>(contents_.at(path)), 0};
    }
    bool AllowsConcurrentReads() const override { return true; }

private:
    class WholeFile : public SequentialFile {
    public:
        explicit WholeFile(Text bytes) : bytes_(std::move(bytes)) {}
        ReadResult Read(char* buffer, std::size_t capacity) override {
            const std::size_t size = std::min(capacity, bytes_.size());
            std::copy_n(bytes_.data(), size, buffer);
            bytes_.erase(0, size);
            return {size, false, 0};
        }

    private:
        Text bytes_;
    };

    const std::map<Text, Text> contents_;
    const Text gated_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool begun_ = false;
    bool released_ = false;
    int gatedOpens_ = 0;
};

// A read ahead that never ends (a device, a hung share) holds up the drop only until Esc: the wait pumps,
// and after the abort the file is not opened again.
TEST_F(ContentsDropTest, EscEndsTheWaitForAReadAheadThatDoesNotEnd) {
    GatedFiles gated({{"C:\\d\\a.txt", "1\r\n"}, {"C:\\d\\b.txt", "1\r\n"}, {"C:\\d\\c.txt", "1\r\n"}},
                     "C:\\d\\a.txt");
    // Released before the reader's end, whichever way the test ends, so that no worker is left waiting.
    struct Releaser {
        GatedFiles& files;
        ~Releaser() { files.Release(); }
    };
    FileContentsReader aheadReader(state, view, gated);
    const Releaser releaser{gated};
    DropHandler aheadHandler(state, view, tree, network, aheadReader);
    CountMode();
    for (int pump = 1; pump <= 100; ++pump)
        view.OnPump(pump, [&] {
            if (gated.GatedOpenBegun()) state.FAbort = true;
        });
    FakeDroppedNames names({"C:\\d"});
    bool handled = false;
    aheadHandler.HandleDrop(names, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(view.lines, (Lines{CountLine(0, "行:[中断]", "C:\\d\\a.txt"), "         0行:Ｔｏｔａｌ"}));
    EXPECT_EQ(gated.GatedOpens(), 1) << "the worker's open only";
}

}  // namespace
