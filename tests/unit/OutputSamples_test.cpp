#include "shell/OutputSamples.h"

#include <gtest/gtest.h>

namespace {
#define SET(choice) [] { OutputOptions o; o.choice; return o; }

// Each row's choice shows in its own sample as written, and every other sample stays as at the defaults.
TEST(OutputSample, EachChoiceShowsInItsOwnSampleAlone) {
    using O = OutputOption;
    const struct { O option; OutputOptions (*choose)(); Text sample; } rows[] = {
        {O::Quoting, SET(quoting = Quoting::Always), "\"C:\\資料\\表計算\\売上 一覧.txt\""},
        {O::Separator, SET(separator = LineSeparator::Custom; o.customSeparator = "\t"), "表計算.xls→ソース.txt↓"},
        {O::LastLineEnd, SET(lastLineEnd = false), "表計算.xls↓ソース.txt"},
        {O::Slashes, SET(slashes = SlashStyle::Slash), "C:/資料/表計算/売上 一覧.txt"},
        {O::FolderMark, SET(folderMark = true), "C:\\資料\\表計算\\"},
        {O::Relative, SET(relative = true), "表計算\\売上 一覧.txt"},
        {O::Extensions, SET(extensions = false), "C:\\資料\\表計算\\売上 一覧"},
        {O::Order, SET(order = EntryOrder::Natural), "表1.txt 表2.txt 表10.txt"},
        {O::Columns, SET(sizeColumn = true), "表.txt→980"},
    };
    for (const auto& [option, choose, sample] : rows) {
        EXPECT_EQ(OutputSample(option, choose()), sample);
        for (int i = 0; i <= static_cast<int>(O::Columns); ++i)
            EXPECT_TRUE(O(i) == option || OutputSample(O(i), choose()) == OutputSample(O(i), {})) << sample;
    }
}
TEST(VisibleBreaks, EachKindOfBreakIsOneArrow) { EXPECT_EQ(VisibleBreaks("a\r\nb\tc\rd\ne"), "a↓b→c↓d↓e"); }

}  // namespace
