#include "app/CodePageNotice.h"

#include <algorithm>
#include <string>

namespace {

const Text kSection = "System";
const Text kKey = "CodePageNotice";

bool IsAscii(const Text& value) {
    return std::all_of(value.begin(), value.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

Text TakeCodePageNotice(Profile& profile, const SettingsPlaces& places, std::uint32_t codePage,
                        const NamedValues& values, const std::function<bool(const Text&)>& codePageHolds) {
    if (codePage == 932) return Text();
    const Text number = std::to_string(codePage);
    if (profile.Read(SettingsFileToRead(profile, places), kSection, kKey, Text()) == number) return Text();
    Text lost;
    for (const auto& [name, value] : values)
        if (!IsAscii(value) && !codePageHolds(value)) lost += "\r\n・" + name + ": " + value;
    if (lost.empty()) return Text();
    // Best effort: a settings file that cannot be written is reported when the window closes.
    WriteSettingsFile(profile, places,
                      [&](const Text& path) { return profile.Write(path, kSection, kKey, number); });
    return "この Windows では、設定ファイル Data.INI が日本語用 (コード ページ 932) ではなくコード ページ " +
           number +
           " で書かれるため、次の設定は保存すると文字が「?」に変わり、次回の起動時に元に戻りません:" + lost +
           "\r\n\r\nファイル名、画面の表示、クリップボード、保存するファイルには影響ありません。この案内は一"
           "度だけ表示します。";
}
