// The arguments the program was started with, from its UTF-16 command line, as code page 932 Text.
#pragma once

#include <string>
#include <vector>

#include "platform/NameConversion.h"
#include "text/Text.h"

// The arguments of commandLine (GetCommandLineW), split by CommandLineArguments's rules. A component the code
// page cannot hold is given by its short alias where it has one, else lossy; the lossy ones are added to
// lossyMet (an alias is counted when the lookup gives it back).
std::vector<Text> StartArguments(const std::wstring& commandLine, NameSubstitutions& lossyMet);
