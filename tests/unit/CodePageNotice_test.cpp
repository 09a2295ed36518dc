#include "app/CodePageNotice.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeProfile.h"

namespace {

const SettingsPlaces kPlaces{"C:\\app\\", "C:\\user\\ロミナード\\"};
const Text kIni = "C:\\app\\Data.INI";
const NamedValues kJapaneseFont = {{"フォント名", "ＭＳ ゴシック"}, {"除外", "*.tmp"}};

// A code page that holds ASCII only, as 1252 holds no Japanese.
bool AsciiOnly(const Text&) {
    return false;
}
bool HoldsAll(const Text&) {
    return true;
}

TEST(CodePageNotice, OnlyWhereAValueWouldBeLostAndOncePerCodePage) {
    const struct {
        const char* what;
        std::uint32_t codePage;
        NamedValues values;
        bool (*holds)(const Text&);
        Text remembered;  // [System] CodePageNotice before the start
        bool shown;
    } rows[] = {
        {"code page 932", 932, kJapaneseFont, AsciiOnly, "", false},
        {"English Windows, Japanese font", 1252, kJapaneseFont, AsciiOnly, "", true},
        {"shown before for this code page", 1252, kJapaneseFont, AsciiOnly, "1252", false},
        {"shown before for another", 1252, kJapaneseFont, AsciiOnly, "65001", true},
        {"ASCII values only", 1252, {{"フォント名", "Consolas"}, {"除外", ""}}, AsciiOnly, "", false},
        {"the code page holds them", 936, kJapaneseFont, HoldsAll, "", false},
    };
    for (const auto& row : rows) {
        FakeProfile profile;
        if (!row.remembered.empty()) profile.Set(kIni, "System", "CodePageNotice", row.remembered);
        const Text notice = TakeCodePageNotice(profile, kPlaces, row.codePage, row.values, row.holds);
        EXPECT_EQ(!notice.empty(), row.shown) << row.what;
        if (!row.shown) continue;
        EXPECT_NE(notice.find("コード ページ " + std::to_string(row.codePage)), Text::npos) << notice;
        EXPECT_NE(notice.find("\r\n・フォント名: ＭＳ ゴシック"), Text::npos) << notice;
        EXPECT_EQ(notice.find("除外"), Text::npos) << notice;
        EXPECT_EQ(notice.find("UTF-8"), Text::npos) << notice;
        // Remembered: the next start says nothing.
        const FakeProfile::Key remembered{kIni, "System", "CodePageNotice"};
        EXPECT_EQ(profile.values[remembered], std::to_string(row.codePage));
        EXPECT_EQ(TakeCodePageNotice(profile, kPlaces, row.codePage, row.values, row.holds), "") << row.what;
    }
}

}  // namespace
