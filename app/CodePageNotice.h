// The notice start-up shows where the process code page is not 932 (the manifest asks for 932, which Windows
// grants from Windows 11 on): the system's INI functions keep Data.INI in the process code page, so a value
// it cannot hold comes back with "?" at the next start. Everything else the program reads and writes goes
// through Unicode or names code page 932 itself.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "app/Settings.h"
#include "platform/Profile.h"
#include "text/Text.h"

// What the settings file keeps as text, each with the name the user knows it by.
using NamedValues = std::vector<std::pair<Text, Text>>;

// The notice for codePage, when one is due: codePage is not 932, a value is not ASCII and codePageHolds says
// codePage cannot hold it, and the notice was not shown for this code page before. A notice given is
// remembered in the settings file ([System] CodePageNotice=<code page>), so it appears once. Empty when
// none is due.
Text TakeCodePageNotice(Profile& profile, const SettingsPlaces& places, std::uint32_t codePage,
                        const NamedValues& values, const std::function<bool(const Text&)>& codePageHolds);
