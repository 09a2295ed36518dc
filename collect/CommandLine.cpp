#include "collect/CommandLine.h"

#include <utility>

#include "shared/LongFileName.h"

namespace {

constexpr char kQuote = '"';

// The line ends at its last byte or at a NUL, as the platform's text of it would.
bool AtEnd(const Text& line, std::size_t i) {
    return i >= line.size() || line[i] == '\0';
}

bool Separates(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

// Moves i past separators and empty pairs of quotes that stand where an argument would begin.
void SkipToArgument(const Text& line, std::size_t& i) {
    for (;;) {
        while (!AtEnd(line, i) && Separates(line[i]))
            ++i;
        if (!AtEnd(line, i) && line[i] == kQuote && i + 1 < line.size() && line[i + 1] == kQuote) {
            i += 2;
        } else {
            return;
        }
    }
}

// Collects the argument that starts at i and moves i behind it; the bound applies inside quotes too.
Text TakeArgument(const Text& line, std::size_t& i) {
    Text argument;
    while (!AtEnd(line, i) && !Separates(line[i]) && argument.size() < kArgumentLimit) {
        if (line[i] != kQuote) {
            argument += line[i++];
            continue;
        }
        ++i;
        while (!AtEnd(line, i) && line[i] != kQuote && argument.size() < kArgumentLimit)
            argument += line[i++];
        if (!AtEnd(line, i) && line[i] == kQuote) ++i;
    }
    return argument;
}

}  // namespace

std::vector<Text> CommandLineArguments(const Text& commandLine) {
    std::vector<Text> arguments;
    std::size_t i = 0;
    bool executable = true;
    for (;;) {
        SkipToArgument(commandLine, i);
        if (AtEnd(commandLine, i)) break;
        Text argument = TakeArgument(commandLine, i);
        // An empty argument can only come from a lone quote at the very end.
        if (argument.empty()) break;
        if (!std::exchange(executable, false)) arguments.push_back(std::move(argument));
    }
    return arguments;
}

void RunCommandLineMode(const std::vector<Text>& arguments, NameLookup& lookup, View& view,
                        NameSubstitutions met) {
    std::vector<Text> lines;
    lines.reserve(arguments.size());
    for (const Text& argument : arguments)
        lines.push_back(LongFileName(argument, lookup));
    view.AppendLines(lines);
    view.CopyAllText();
    met += lookup.TakeSubstitutions();
    const Text notice = SubstitutionNotice(met);
    if (!notice.empty()) view.ShowMessage(notice);
}
