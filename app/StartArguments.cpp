#include "app/StartArguments.h"

#include <windows.h>

#include "collect/CommandLine.h"
#include "platform/win32/WideNames.h"

namespace {

std::string Utf8(const std::wstring& s) {
    if (s.empty()) return std::string();
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &bytes[0], length, nullptr,
                            nullptr);
    return bytes;
}

std::wstring FromUtf8(const std::string& s) {
    if (s.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &wide[0], length);
    return wide;
}

}  // namespace

std::vector<Text> StartArguments(const std::wstring& commandLine, NameSubstitutions& lossyMet) {
    Win32CodePage codePage;
    Text line;
    if (codePage.ToAnsi(AsWideView(commandLine), line)) return CommandLineArguments(line);
    // Split in UTF-8, whose bytes outside ASCII are all above 0x20 and never a quote, so the rules meet the
    // same separators and quotes; each argument then converts on its own, component by component.
    std::vector<Text> arguments;
    for (const Text& argument : CommandLineArguments(Utf8(commandLine))) {
        NameSubstitutions tally;
        arguments.push_back(AnsiPath(FromUtf8(argument), tally));
        lossyMet.lossy += tally.lossy;
    }
    return arguments;
}
