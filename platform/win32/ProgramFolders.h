// Where the running program is, and the user's folder for application data: the places its settings may live.
#pragma once

#include <windows.h>

#include <shtypes.h>

#include <string>

#include "text/Text.h"

// The running program's full path, whole however long; empty when the system cannot say.
std::wstring WideProgramPath();

// The same path as Text.
Text ProgramPath();

// The running program's folder, ending in "\": where Data.INI and the help file are looked for first.
Text ProgramFolder();

// The path of the known folder id, without a final "\"; empty when the system has none.
Text KnownFolder(REFKNOWNFOLDERID id);

// The user's (roaming) application-data folder, without a final "\"; empty when the system has none.
Text ApplicationDataFolder();
