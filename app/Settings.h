// The settings store: seven values of the main window kept in Data.INI, read once at start-up and written at
// every close request.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Profile.h"
#include "shared/View.h"
#include "text/Text.h"

// The values as the main window holds them. The defaults are what a start without Data.INI gets.
struct StoredSettings {
    std::int32_t formTop = 200;       // the main window's Top, screen pixels
    std::int32_t formLeft = 300;      // its Left
    std::int32_t modeIndex = 0;       // output mode: 0 RdoFull, 1 RdoName, 2 RdoShow, 3 RdoNET, 4 RdoShort
    std::int32_t fontSize = 12;       // the text area's font size in points
    Text fontName = "ＭＳ ゴシック";  // and its face name
    bool deskTopSet = false;          // the last applied choice for the desktop shortcut
    bool sendToSet = false;           // and for the Send To shortcut
};

// An INI value as an integer: decimal digits with an optional sign after leading spaces, within the 32-bit
// signed range; or up to eight hexadecimal digits after $, x, X, 0x or 0X, taken as a 32-bit pattern (so
// $FFFFFFFF is -1). Anything else, the empty text included, gives fallback.
std::int32_t ParseIntegerValue(const Text& value, std::int32_t fallback);

// Where Data.INI is kept. Beside the program is the first choice; a program whose folder cannot be written
// (one installed for all users) keeps it in the user's application-data folder instead.
struct SettingsPlaces {
    Text appDir;   // the program's folder, ending in "\"
    Text userDir;  // the program's folder in the user's application data, ending in "\"; empty when none
};

// The places for a program in appDir and the user's application-data folder applicationData (empty when the
// system names none): the user's copy lives in its subfolder "ロミナード".
SettingsPlaces SettingsPlacesFor(const Text& appDir, const Text& applicationData);

// The settings file in a folder ending in "\": the folder followed by "Data.INI".
Text SettingsFilePath(const Text& folder);

// The file the settings are read from: Data.INI beside the program when it exists, else the one in the user's
// folder when that exists, else (neither exists) the one beside the program.
Text SettingsFileToRead(Profile& profile, const SettingsPlaces& places);

// Reads the seven values from SettingsFileToRead; a missing file, section or key, or a value that is no
// integer, gives the default. The face name is kept as StoredText writes it. The mode index is returned as
// read, unchecked: SelectedMode maps it to a button.
StoredSettings LoadSettings(Profile& profile, const SettingsPlaces& places);

// Writes the seven values in their fixed order, in one write, into Data.INI beside the program. Where the
// program's folder takes no new file there (and none exists), the user's folder is created when missing and
// takes them. A write that the system refuses raises AppError "<full path of that settings file> に書き込めま
// せん" and leaves that file as it was.
void SaveSettings(Profile& profile, const SettingsPlaces& places, const StoredSettings& settings);

// Writes into the settings file as SaveSettings does, choosing it and falling back the same way: write puts
// the values into the file at the path it is given and answers false when the system refuses them.
void WriteSettingsFile(Profile& profile, const SettingsPlaces& places,
                       const std::function<bool(const Text& path)>& write);

// The mode button a stored index selects: 0 to 4 as they stand, any other index 0 (RdoFull).
std::int32_t SelectedMode(std::int32_t modeIndex);

// The index of the selected mode button, testing RdoFull, RdoName, RdoShow and RdoNET in turn; 4 when none of
// them is set.
std::int32_t ModeIndex(const OptionSnapshot& options);
