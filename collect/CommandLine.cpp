#include "collect/CommandLine.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "platform/NameConversion.h"
#include "shared/EnvironmentForm.h"
#include "shared/LongFileName.h"
#include "shared/OutputFormat.h"
#include "text/PathPieces.h"

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

// Collects the argument that starts at i, however long, and moves i behind it. No byte of a character beyond
// ASCII is a quote or a separator, so the bytes can be taken one by one.
Text TakeArgument(const Text& line, std::size_t& i) {
    Text argument;
    bool quoted = false;
    for (; !AtEnd(line, i) && (quoted || !Separates(line[i])); ++i) {
        if (line[i] == kQuote) {
            quoted = !quoted;
        } else {
            argument += line[i];
        }
    }
    return argument;
}

// The long form as the options write it, shown as given; the file system is asked only for what they need,
// by the long form.
Text Written(const Text& longForm, const Text& shown, FileSystem& files, const OutputOptions& output) {
    const bool columns = output.sizeColumn || output.timeColumn || output.attributeColumn;
    std::optional<EntryFacts> facts;
    std::uint32_t attributes = 0;
    if (columns) {
        facts = files.Facts(longForm);
        if (facts) attributes = facts->attributes;
    } else if (output.folderMark || !output.extensions) {
        attributes = files.Attributes(longForm);
    }
    const bool folder = attributes != FileAttr::Invalid && (attributes & FileAttr::Directory) != 0;
    const std::size_t nameStart = shown.size() - PathFileName(shown).size();
    if (output.slashes == SlashStyle::Environment && !output.relative)
        return FormatEntry(
            OutputEntry{EnvironmentForm(files).Apply(shown), 0, folder, facts ? &*facts : nullptr}, output);
    return FormatEntry(OutputEntry{shown, nameStart, folder, facts ? &*facts : nullptr}, output);
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

void RunCommandLineMode(const std::vector<Text>& arguments, NameLookup& lookup, FileSystem& files, View& view,
                        const OutputOptions& output) {
    const bool keeps = KeepsLines(output);
    // Only the names of these lines are reported.
    files.TakeSubstitutions();
    std::vector<Text> lines;
    lines.reserve(arguments.size());
    for (const Text& argument : arguments) {
        const Text longForm = LongFileName(argument, lookup);
        const Text shown = output.codePageNames ? files.CodePageForm(longForm) : longForm;
        lines.push_back(keeps ? shown : Written(longForm, shown, files, output));
    }
    if (output.csv && !lines.empty()) lines.insert(lines.begin(), CsvHeader(output));
    if (JoinsWithCrLf(output)) {
        view.AppendLines(lines);
    } else {
        view.AppendText(JoinOutput(lines, output));
    }
    view.CopyAllText();
    const Text notice = SubstitutionNotice(files.TakeSubstitutions());
    if (!notice.empty()) view.ShowMessage(notice);
}
