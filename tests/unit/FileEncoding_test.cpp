#include "collect/FileEncoding.h"

#include <gtest/gtest.h>

#include "platform/Encoding.h"

namespace {

TEST(FileEncodingTest, AMarkOrWellFormedUtf8WithHighBytesTellsTheEncoding) {
    std::string sjis;
    TextToShiftJis("不思議な国", sjis);
    const Text utf8 = "不思議な国";
    struct Case {
        const char* name;
        std::string first;
        bool whole;
        FileEncoding encoding;
        std::size_t mark;
    };
    const Case cases[] = {
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "abc",
         true, FileEncoding::Utf8, 3},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", true, FileEncoding::Utf8, 3},
        {"UTF-16 LE mark",
         std::string("\xFF\xFE"
                     "a\0",
                     4),
         true, FileEncoding::Utf16Le, 2},
        {"UTF-16 BE mark, odd length", std::string("\xFE\xFF\0a\0", 5), true, FileEncoding::Utf16Be, 2},
        {"UTF-8 without a mark", "a\r\n" + utf8, true, FileEncoding::Utf8, 0},
        {"pure ASCII", "abc\r\n\x1A", true, FileEncoding::ShiftJis, 0},
        {"empty", "", true, FileEncoding::ShiftJis, 0},
        {"Shift_JIS", sjis, true, FileEncoding::ShiftJis, 0},
        // 0xE3 0x81 0x82 is あ in UTF-8 and a valid start in Shift_JIS; the bytes after it are no UTF-8.
        {"Shift_JIS that is UTF-8 for a few bytes", "\xE3\x81\x82" + sjis, true, FileEncoding::ShiftJis, 0},
        {"a sequence the block cuts short", utf8 + "\xE4\xB8", false, FileEncoding::Utf8, 0},
        {"a sequence the file cuts short", utf8 + "\xE4\xB8", true, FileEncoding::Utf8, 0},
        {"an encoded surrogate", "a\xED\xA0\x80", false, FileEncoding::ShiftJis, 0},
        {"an overlong form", "a\xC0\xAF", false, FileEncoding::ShiftJis, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DetectedEncoding detected = DetectFileEncoding(c.first, c.whole);
        EXPECT_EQ(detected.encoding, c.encoding);
        EXPECT_EQ(detected.markBytes, c.mark);
    }
}

TEST(FileEncodingTest, IllFormedPiecesDecodeToReplacementCharacters) {
    EXPECT_EQ(TextFromUtf8File("a不😀"), "a不😀");
    // A byte no sequence starts with, a sequence broken off by ASCII, an encoded surrogate (one for each of
    // its bytes), an overlong form (the same).
    EXPECT_EQ(TextFromUtf8File("\xFF"
                               "a\xE4\xB8"
                               "b\xED\xA0\x80\xC0\xAF"),
              "�a�b�����");
    EXPECT_EQ(TextFromUtf8File("\xE4\xB8"), "�");

    const auto units = [](const std::u16string& wide, bool big) {
        std::string bytes;
        for (const char16_t u : wide) {
            bytes += static_cast<char>(big ? u >> 8 : u & 0xFF);
            bytes += static_cast<char>(big ? u & 0xFF : u >> 8);
        }
        return bytes;
    };
    for (const bool big : {false, true}) {
        SCOPED_TRACE(big ? "big-endian" : "little-endian");
        EXPECT_EQ(TextFromUtf16File(units(u"不\U0001F600上", big), big), "不😀上");
        EXPECT_EQ(TextFromUtf16File(units(u"\xD83D"
                                          "a\xDE00\xD83D",
                                          big),
                                    big),
                  "�a��");
        EXPECT_EQ(TextFromUtf16File(units(u"a", big) + "\x41", big), "a�");
    }
}

}  // namespace
