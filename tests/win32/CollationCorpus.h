// Texts that code page 932 holds and that collate in unusual ways: case, width and kana type in every script;
// hyphens and apostrophes, which the word sort weighs lightly; digits, punctuation, control characters; the
// kanji of the NEC and IBM extensions; and paths of the kinds users keep.
#pragma once

#include <vector>

#include "platform/Encoding.h"
#include "text/Text.h"

inline std::vector<Text> CollationCorpus() {
    // clang-format off
    std::vector<Text> corpus = {
        "", "a", "A", "b", "B", "ab", "Ab", "aB", "AB", "a-b", "ab-", "-ab", "a'b", "ab'", "abc", "ABC",
        "co-op", "coop", "co op", "co_op", "co.op", "co~op", "a1", "a10", "a2", "A1", "1", "10", "2", "\t",
        "a\tb", "\x01", "\x7F", "_", "-", "'", "~", "!", "#", "$", "%", "&", "(", ")", "+", ",", ";", "=",
        "@", "[", "]", "^", "`", "{", "}", " ", ".", "..", "end.", "a.txt", "A.TXT", "a.Txt", "b.txt",
        "a_b.txt", "a-b.txt", "a.tar.gz", "readme", "README", "ReadMe", "Readme.md", "ａ", "Ａ", "ａｂ",
        "ＡＢ", "ＡＢＣ", "ａｂｃ", "１", "１０", "＿", "－", "’", "～", "！", "．", "ｱ", "ｲ", "ｶ", "ｶﾞ",
        "ｶﾟ", "ﾊﾟ", "ｰ", "･", "｢", "｣", "ア", "イ", "カ", "ガ", "パ", "ハ", "バ", "ー", "ァ", "ヵ", "ヴ",
        "あ", "い", "か", "が", "ぱ", "は", "ば", "ぁ", "ゃ", "ん", "表", "ソ", "予", "能", "十", "申", "噂",
        "構", "貼", "ソフト", "表示", "表計算", "ソース", "ﾃｽﾄ", "テスト", "てすと", "漢字", "日本",
        "日本語", "東京", "亜", "唖", "娃", "〇", "々", "ゝ", "ヽ", "〆", "※", "★", "☆", "①", "Ⅰ", "㈱",
        "髙", "﨑", TextFromShiftJis("\xFA\x40"), TextFromShiftJis("\xEE\xEF"),
        TextFromShiftJis("\xED\x40"), TextFromShiftJis("\xFA\x5C"), "Z:\\ﾃｽﾄ.ﾃｷｽﾄ", "C:\\d.x\\file",
    };
    // clang-format on
    for (const Text& folder :
         {Text("C:\\"), Text("C:\\dir\\"), Text("C:\\Dir\\"), Text("C:\\表\\"), Text("Z:\\ソ\\")}) {
        corpus.push_back(folder);
        for (const char* name : {"a.txt", "A.TXT", "表.txt", "ｿ.txt", "ソ.TXT", "co-op", "coop", "x"})
            corpus.push_back(folder + name);
    }
    return corpus;
}
