#include "app/StartArguments.h"

#include "collect/CommandLine.h"
#include "platform/win32/WideText.h"

std::vector<Text> StartArguments(const std::wstring& commandLine) {
    // Split in UTF-8, whose bytes outside ASCII are all above 0x20 and never a quote: the rules meet the same
    // separators and quotes as in the UTF-16 line.
    return CommandLineArguments(FromWide(commandLine));
}
