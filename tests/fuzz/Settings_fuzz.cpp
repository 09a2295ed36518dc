// INI values and the whole settings store over fuzzed files. A value reads as a plain model of the integer
// rules says; every integer written reads back as itself; a load takes each key from the file it should read
// (beside the program first, else the user's) or its default; and a save that reports no failure is read back
// whole by the next load, wherever it put the file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/Settings.h"
#include "app/SettingsText.h"
#include "tests/fakes/FakeProfile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "text/AppError.h"

namespace {

const Text kAppDir = "C:\\Program Files\\R\\";
const Text kApplicationData = "C:\\Users\\u\\AppData\\Roaming";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> ModelInteger(const Text& value) {
    const std::size_t first = value.find_first_not_of(' ');
    if (first == Text::npos) return std::nullopt;
    const Text rest = value.substr(first);
    std::size_t hex = Text::npos;
    if (rest.compare(0, 2, "0x") == 0 || rest.compare(0, 2, "0X") == 0) {
        hex = 2;
    } else if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
        hex = 1;
    }
    if (hex != Text::npos) {
        const Text digits = rest.substr(hex);
        if (digits.empty() || digits.size() > 8) return std::nullopt;
        std::uint32_t pattern = 0;
        for (char c : digits) {
            if (HexValue(c) < 0) return std::nullopt;
            pattern = pattern * 16 + static_cast<std::uint32_t>(HexValue(c));
        }
        return static_cast<std::int32_t>(pattern);
    }
    const bool negative = rest[0] == '-';
    Text digits = rest.substr(rest[0] == '-' || rest[0] == '+' ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != Text::npos) return std::nullopt;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 10) return std::nullopt;
    const std::int64_t magnitude = std::stoll(digits);
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number < INT32_MIN || number > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

struct KeySpec {
    const char* section;
    const char* key;
};

const KeySpec kKeys[] = {{"MainForm", "FormTop"}, {"MainForm", "FormLeft"}, {"GetMode", "FullPath"},
                         {"Show", "FontSize"},    {"Show", "FontName"},     {"System", "DeskTopSet"},
                         {"System", "SendToSet"}};

bool Same(const StoredSettings& a, const StoredSettings& b) {
    return a.formTop == b.formTop && a.formLeft == b.formLeft && a.modeIndex == b.modeIndex &&
           a.fontSize == b.fontSize && a.fontName == b.fontName && a.deskTopSet == b.deskTopSet &&
           a.sendToSet == b.sendToSet;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);

    // One value on its own, and an integer written out.
    const Text value = input.ConsumeRandomLengthString(40);
    const std::int32_t fallback = input.ConsumeIntegral<std::int32_t>();
    Check(ParseIntegerValue(value, fallback) == ModelInteger(value).value_or(fallback));
    const std::int32_t number = input.ConsumeIntegral<std::int32_t>();
    Check(ParseIntegerValue(std::to_string(number), fallback) == number);

    // Two files, either of which may exist, each holding any of the keys with any value.
    const SettingsPlaces places = SettingsPlacesFor(kAppDir, input.ConsumeBool() ? kApplicationData : Text());
    FakeProfile profile;
    Text chosen;
    for (const Text& folder : {places.appDir, places.userDir}) {
        if (folder.empty() || !input.ConsumeBool()) continue;
        const Text file = SettingsFilePath(folder);
        profile.files.insert(file);
        if (chosen.empty()) chosen = file;
        for (const KeySpec& k : kKeys) {
            if (input.ConsumeBool())
                profile.values[{file, k.section, k.key}] = input.ConsumeRandomLengthString(64);
        }
    }
    const auto stored = [&](const KeySpec& k) -> std::optional<Text> {
        const auto found = profile.values.find({chosen, k.section, k.key});
        if (found == profile.values.end()) return std::nullopt;
        return found->second;
    };
    const auto integer = [&](const KeySpec& k, std::int32_t otherwise) {
        const std::optional<Text> v = stored(k);
        return v ? ModelInteger(*v).value_or(otherwise) : otherwise;
    };

    const StoredSettings loaded = LoadSettings(profile, places);
    const StoredSettings defaults;
    Check(loaded.formTop == integer(kKeys[0], defaults.formTop));
    Check(loaded.formLeft == integer(kKeys[1], defaults.formLeft));
    Check(loaded.modeIndex == integer(kKeys[2], defaults.modeIndex));
    Check(loaded.fontSize == integer(kKeys[3], defaults.fontSize));
    Check(loaded.fontName == TextFromStored(stored(kKeys[4]).value_or(defaults.fontName)));
    Check(loaded.deskTopSet == (integer(kKeys[5], 0) != 0));
    Check(loaded.sendToSet == (integer(kKeys[6], 0) != 0));
    const std::int32_t mode = SelectedMode(loaded.modeIndex);
    Check(mode >= 0 && mode <= 4 && (mode == loaded.modeIndex || mode == 0));

    // Saved with some writes refused: a save that raises nothing has put every value where the next load
    // reads it.
    profile.refuseFromWrite = input.ConsumeIntegralInRange(0, 16);
    try {
        SaveSettings(profile, places, loaded);
    } catch (const AppError&) {
        return 0;
    }
    profile.refuseFromWrite = 0;
    Check(Same(LoadSettings(profile, places), loaded));
    return 0;
}
