#include "app/Settings.h"

#include <cstddef>

#include "app/SettingsText.h"
#include "text/AppError.h"

namespace {

struct Key {
    const char* section;
    const char* name;
};

// Both operations handle the keys in this order.
constexpr Key kFormTop{"MainForm", "FormTop"};
constexpr Key kFormLeft{"MainForm", "FormLeft"};
constexpr Key kFullPath{"GetMode", "FullPath"};
constexpr Key kFontSize{"Show", "FontSize"};
constexpr Key kFontName{"Show", "FontName"};
constexpr Key kDeskTopSet{"System", "DeskTopSet"};
constexpr Key kSendToSet{"System", "SendToSet"};

int HexDigit(unsigned char b) {
    if (b >= '0' && b <= '9') return b - '0';
    if (b >= 'A' && b <= 'F') return b - 'A' + 10;
    if (b >= 'a' && b <= 'f') return b - 'a' + 10;
    return -1;
}

std::int32_t ParseHex(const Text& value, std::size_t at, std::int32_t fallback) {
    const std::size_t digits = value.size() - at;
    if (digits == 0 || digits > 8) return fallback;
    std::uint32_t pattern = 0;
    for (std::size_t i = at; i < value.size(); ++i) {
        const int digit = HexDigit(static_cast<unsigned char>(value[i]));
        if (digit < 0) return fallback;
        pattern = pattern << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(pattern);
}

std::int32_t ParseDecimal(const Text& value, std::size_t at, std::int32_t fallback) {
    bool negative = false;
    if (at < value.size() && (value[at] == '-' || value[at] == '+')) negative = value[at++] == '-';
    if (at == value.size()) return fallback;
    // One past the largest magnitude is enough to tell every out-of-range value, however many digits follow.
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (std::size_t i = at; i < value.size(); ++i) {
        const auto b = static_cast<unsigned char>(value[i]);
        if (b < '0' || b > '9') return fallback;
        magnitude = magnitude * 10 + (b - '0');
        if (magnitude > kLimit) magnitude = kLimit + 1;
    }
    if (magnitude > (negative ? kLimit : kLimit - 1)) return fallback;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t ReadInteger(Profile& profile, const Text& path, const Key& key, std::int32_t fallback) {
    return ParseIntegerValue(profile.Read(path, key.section, key.name, Text()), fallback);
}

ProfileValue Value(const Key& key, const Text& value) {
    return {key.section, key.name, value};
}

ProfileValue IntegerValue(const Key& key, std::int32_t value) {
    return Value(key, std::to_string(value));
}

// Written together: the file takes all of them or none.
bool WriteValues(Profile& profile, const Text& path, const StoredSettings& settings) {
    return profile.Write(
        path,
        {IntegerValue(kFormTop, settings.formTop), IntegerValue(kFormLeft, settings.formLeft),
         IntegerValue(kFullPath, settings.modeIndex), IntegerValue(kFontSize, settings.fontSize),
         Value(kFontName, StoredText(settings.fontName)), Value(kDeskTopSet, settings.deskTopSet ? "1" : "0"),
         Value(kSendToSet, settings.sendToSet ? "1" : "0")});
}

}  // namespace

std::int32_t ParseIntegerValue(const Text& value, std::int32_t fallback) {
    std::size_t at = 0;
    while (at < value.size() && value[at] == ' ')
        ++at;
    if (at < value.size() && (value[at] == '$' || value[at] == 'x' || value[at] == 'X'))
        return ParseHex(value, at + 1, fallback);
    if (at + 1 < value.size() && value[at] == '0' && (value[at + 1] == 'x' || value[at + 1] == 'X'))
        return ParseHex(value, at + 2, fallback);
    return ParseDecimal(value, at, fallback);
}

SettingsPlaces SettingsPlacesFor(const Text& appDir, const Text& applicationData) {
    if (applicationData.empty()) return {appDir, Text()};
    const bool separated = applicationData.back() == '\\';
    return {appDir, applicationData + (separated ? "" : "\\") + "ロミナード\\"};
}

Text SettingsFilePath(const Text& folder) {
    return folder + "Data.INI";
}

Text SettingsFileToRead(Profile& profile, const SettingsPlaces& places) {
    const Text beside = SettingsFilePath(places.appDir);
    if (profile.FileExists(beside) || places.userDir.empty()) return beside;
    const Text user = SettingsFilePath(places.userDir);
    return profile.FileExists(user) ? user : beside;
}

StoredSettings LoadSettings(Profile& profile, const SettingsPlaces& places) {
    const Text path = SettingsFileToRead(profile, places);
    StoredSettings s;
    s.formTop = ReadInteger(profile, path, kFormTop, s.formTop);
    s.formLeft = ReadInteger(profile, path, kFormLeft, s.formLeft);
    s.modeIndex = ReadInteger(profile, path, kFullPath, s.modeIndex);
    s.fontSize = ReadInteger(profile, path, kFontSize, s.fontSize);
    s.fontName = TextFromStored(profile.Read(path, kFontName.section, kFontName.name, s.fontName));
    s.deskTopSet = ReadInteger(profile, path, kDeskTopSet, 0) != 0;
    s.sendToSet = ReadInteger(profile, path, kSendToSet, 0) != 0;
    return s;
}

void SaveSettings(Profile& profile, const SettingsPlaces& places, const StoredSettings& settings) {
    WriteSettingsFile(profile, places,
                      [&](const Text& path) { return WriteValues(profile, path, settings); });
}

void WriteSettingsFile(Profile& profile, const SettingsPlaces& places,
                       const std::function<bool(const Text& path)>& write) {
    const Text beside = SettingsFilePath(places.appDir);
    if (write(beside)) return;
    // A file beside the program is read at the next start, refused part-way or read-only: it is the one to
    // report. Only a folder that takes no new file sends the settings to the user's.
    if (places.userDir.empty() || profile.FileExists(beside)) throw AppError(beside + " に書き込めません");
    profile.CreateFolder(places.userDir.substr(0, places.userDir.size() - 1));
    const Text user = SettingsFilePath(places.userDir);
    if (!write(user)) throw AppError(user + " に書き込めません");
}

std::int32_t SelectedMode(std::int32_t modeIndex) {
    return modeIndex >= 0 && modeIndex <= 4 ? modeIndex : 0;
}

std::int32_t ModeIndex(const OptionSnapshot& options) {
    if (options.fullPath) return 0;
    if (options.nameOnly) return 1;
    if (options.contents) return 2;
    if (options.networkPath) return 3;
    return 4;
}
