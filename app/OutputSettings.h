// The output options in Data.INI, in a section of their own beside the seven values of the main window.
#pragma once

#include "app/Settings.h"
#include "platform/Profile.h"
#include "shared/OutputOptions.h"

// Reads the options from SettingsFileToRead; a missing file, section or key, or a value out of range, gives
// that option's default.
OutputOptions LoadOutputOptions(Profile& profile, const SettingsPlaces& places);

// Writes the options into the settings file SaveSettings would write, choosing it the same way; a write the
// system refuses raises AppError as SaveSettings does.
void SaveOutputOptions(Profile& profile, const SettingsPlaces& places, const OutputOptions& options);
