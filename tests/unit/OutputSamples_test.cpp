#include "shell/OutputSamples.h"

#include <gtest/gtest.h>

namespace {
#define SET(choice)      \
    [] {                 \
        OutputOptions o; \
        o.choice;        \
        return o;        \
    }

// Each row's choice shows in its own sample as written, and every other sample stays as at the defaults.
TEST(OutputSample, EachChoiceShowsInItsOwnSampleAlone) {
    using O = OutputOption;
    const struct {
        O option;
        OutputOptions (*choose)();
        Text sample;
    } rows[] = {
        {O::Quoting, SET(quoting = Quoting::Always), "\"C:\\資料\\表計算\\売上 一覧.txt\""},
        {O::Separator, SET(separator = LineSeparator::Custom; o.customSeparator = "\t"),
         "表計算.xls→ソース.txt↓"},
        {O::LastLineEnd, SET(lastLineEnd = false), "表計算.xls↓ソース.txt"},
        {O::Slashes, SET(slashes = SlashStyle::Slash), "C:/資料/表計算/売上 一覧.txt"},
        {O::FolderMark, SET(folderMark = true), "C:\\資料\\表計算\\"},
        {O::Relative, SET(relative = true), "表計算\\売上 一覧.txt"},
        {O::Extensions, SET(extensions = false), "C:\\資料\\表計算\\売上 一覧"},
        {O::Order, SET(order = EntryOrder::Natural), "表1.txt 表2.txt 表10.txt"},
        {O::Columns, SET(sizeColumn = true), "表.txt→980"},
        {O::Slashes, SET(slashes = SlashStyle::Wsl), "/mnt/c/資料/表計算/売上 一覧.txt"},
        {O::Slashes, SET(slashes = SlashStyle::FileUri),
         "file:///C:/%E8%B3%87%E6%96%99/%E8%A1%A8%E8%A8%88%E7%AE%97/"
         "%E5%A3%B2%E4%B8%8A%20%E4%B8%80%E8%A6%A7.txt"},
        {O::Slashes, SET(slashes = SlashStyle::Environment), "%USERPROFILE%\\表計算\\売上 一覧.txt"},
        {O::Masks, SET(excludeMasks = "*.tmp; ;.git\\"), "フォルダ: .git  ファイル: *.tmp  無効: (空)"},
        {O::Depth, SET(depth = 1), "表\\ メモ.txt"},
        {O::Depth, SET(kinds = EntryKinds::FilesOnly), "表\\売上.txt メモ.txt"},
        {O::Depth, SET(includeHidden = true), "表\\ 表\\売上.txt メモ.txt 隠し.txt"},
        {O::Depth, SET(kinds = EntryKinds::FoldersOnly; o.depth = 1), "表\\"},
        {O::Tree, SET(tree = TreeStyle::Lines), "C:\\資料↓├─表\\↓│　└─a.txt↓└─b.txt"},
        {O::Tree, SET(tree = TreeStyle::Ascii), "C:\\資料↓+-- 表\\↓|   `-- a.txt↓`-- b.txt"},
        {O::Csv, SET(csv = true), "パス↓\"表 1,2.txt\""},
    };
    for (const auto& [option, choose, sample] : rows) {
        EXPECT_EQ(OutputSample(option, choose()), sample);
        for (int i = 0; i <= static_cast<int>(O::Csv); ++i)
            EXPECT_TRUE(O(i) == option || OutputSample(O(i), choose()) == OutputSample(O(i), {})) << sample;
    }
}
TEST(VisibleBreaks, EachKindOfBreakIsOneArrow) {
    EXPECT_EQ(VisibleBreaks("a\r\nb\tc\rd\ne"), "a↓b→c↓d↓e");
}

}  // namespace
