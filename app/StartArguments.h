// The arguments the program was started with, from its UTF-16 command line, as Text.
#pragma once

#include <string>
#include <vector>

#include "text/Text.h"

// The arguments of commandLine (GetCommandLineW), split by CommandLineArguments's rules, each name whole as
// it was given.
std::vector<Text> StartArguments(const std::wstring& commandLine);
