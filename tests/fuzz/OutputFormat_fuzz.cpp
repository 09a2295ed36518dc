// The output formatter over random Shift_JIS paths and options. Undoing the quotes and the separator style
// gives back the line as the path options leave it; no double-byte character changes, so a trail byte 0x5C
// is never taken for a separator; each column asked for comes after a tab of its own; a join is as long as
// its lines, separators and line end.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shared/OutputFormat.h"
#include "tests/fuzz/FuzzSupport.h"
#include "text/PathPieces.h"

namespace {

// Paths as the walk gives them: no tab and no "/", which no Windows name holds.
Text RandomPath(FuzzedDataProvider& input) {
    static constexpr unsigned char kTrail5CLeads[] = {0x95, 0x83, 0x94};  // 表, ソ, 能
    Text path;
    while (path.size() < 300 && input.remaining_bytes() > 0) {
        const auto piece = input.ConsumeIntegralInRange(0, 7);
        if (piece == 0) {
            path += static_cast<char>('a' + input.ConsumeIntegralInRange(0, 25));
        } else if (piece <= 4) {
            path += "\\.: "[piece - 1];
        } else if (piece == 5) {
            path += static_cast<char>(kTrail5CLeads[input.ConsumeIntegralInRange(0, 2)]);
            path += '\x5C';
        } else if (piece == 6) {
            const auto lead = input.ConsumeIntegralInRange(0x81, 0xFC);
            path += static_cast<char>(IsKanjiLead(static_cast<unsigned char>(lead)) ? lead : 0x88);
            path += static_cast<char>(input.ConsumeIntegralInRange(0x40, 0xFC));
        } else {
            const auto b = input.ConsumeIntegral<unsigned char>();
            if (b != '\t' && b != '/') path += static_cast<char>(b);
        }
    }
    return path;
}

// The complete double-byte characters of text, in order.
std::vector<Text> DoubleByteCharacters(const Text& text) {
    std::vector<Text> characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsKanjiLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            characters.push_back(text.substr(i, 2));
            ++i;
        }
    }
    return characters;
}

bool EndsInLoneLead(const Text& text) {
    std::size_t i = 0;
    while (i < text.size())
        i += IsKanjiLead(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i > text.size();
}

Text UndoQuotes(const Text& text, Quoting quoting) {
    const bool quoted =
        quoting == Quoting::Always || (quoting == Quoting::WhenSpace && text.find(' ') != Text::npos);
    if (!quoted) return text;
    Check(text.size() >= 2 && text.front() == '"' && text.back() == '"');
    return text.substr(1, text.size() - 2);
}

Text UndoSlashes(const Text& text, SlashStyle style) {
    Text out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsKanjiLead(static_cast<unsigned char>(c)) && i + 1 < text.size()) {
            out.append(text, i, 2);
            ++i;
        } else if (style == SlashStyle::Slash) {
            Check(c != '\\');
            out += c == '/' ? '\\' : c;
        } else if (style == SlashStyle::DoubledBackslash && c == '\\') {
            Check(i + 1 < text.size() && text[i + 1] == '\\');
            out += c;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    OutputOptions options;
    options.quoting = static_cast<Quoting>(input.ConsumeIntegralInRange(0, 2));
    options.separator = static_cast<LineSeparator>(input.ConsumeIntegralInRange(0, 4));
    options.customSeparator = input.ConsumeRandomLengthString(24);
    options.lastLineEnd = input.ConsumeBool();
    options.slashes = static_cast<SlashStyle>(input.ConsumeIntegralInRange(0, 2));
    options.folderMark = input.ConsumeBool();
    options.relative = input.ConsumeBool();
    options.extensions = input.ConsumeBool();
    options.sizeColumn = input.ConsumeBool();
    options.timeColumn = input.ConsumeBool();
    options.attributeColumn = input.ConsumeBool();
    EntryFacts facts;
    facts.attributes = input.ConsumeIntegral<std::uint32_t>();
    facts.size = input.ConsumeIntegral<std::uint64_t>();
    // Mostly on the clock, sometimes off it.
    const auto near = [&](int last) {
        return static_cast<std::uint8_t>(input.ConsumeIntegralInRange(0, last + 1));
    };
    facts.written = {
        input.ConsumeIntegral<std::uint16_t>(), near(12), near(31), near(23), near(59), near(59)};
    OutputEntry entry;
    entry.folder = input.ConsumeBool();
    entry.facts = input.ConsumeBool() ? &facts : nullptr;
    entry.relativeStart = input.ConsumeIntegralInRange<std::size_t>(0, 310);
    entry.line = RandomPath(input);

    // The columns, from the end: none of them holds a tab, and the path holds none either.
    Text text = FormatEntry(entry, options);
    std::vector<Text> columns;
    const int asked = options.sizeColumn + options.timeColumn + options.attributeColumn;
    for (int i = 0; i < asked; ++i) {
        const std::size_t tab = text.rfind('\t');
        Check(tab != Text::npos);
        columns.insert(columns.begin(), text.substr(tab + 1));
        text.resize(tab);
    }
    Check(text.find('\t') == Text::npos);
    Check(entry.facts ||
          std::all_of(columns.begin(), columns.end(), [](const Text& c) { return c.empty(); }));

    // The path undone, against the line as the path options leave it: cut at the relative start, then a
    // folder's mark added or a file's extension taken off.
    const Text unquoted = UndoQuotes(text, options.quoting);
    const Text undone = UndoSlashes(unquoted, options.slashes);
    const Text& line = entry.line;
    const Text start = options.relative ? line.substr(std::min(entry.relativeStart, line.size())) : line;
    Text expected = start;
    if (undone != start) {
        if (options.folderMark && entry.folder) {
            Check(!start.empty());
            expected += '\\';
        } else {
            Check(!options.extensions && !entry.folder);
            const Text extension = PathExtension(start);
            Check(!extension.empty() && extension != PathFileName(start));
            expected.resize(start.size() - extension.size());
        }
    }
    Check(undone == expected);
    // A marked folder ends in a separator at a character boundary, unless its line ends in a lone lead byte,
    // with which any byte after it pairs.
    if (options.folderMark && entry.folder && !start.empty())
        Check(LastDelimiter(undone, "\\") == undone.size() - 1 || EndsInLoneLead(start));
    Check(DoubleByteCharacters(unquoted) == DoubleByteCharacters(expected));

    // Joined, the lines keep their bytes; only the separator and the end come between and after them.
    std::vector<Text> lines(input.ConsumeIntegralInRange(0, 3), text);
    const Text separator = SeparatorText(options);
    Check(separator.size() <= kCustomSeparatorBytes);
    if (options.separator == LineSeparator::Custom)
        Check(options.customSeparator.compare(0, separator.size(), separator) == 0);
    const std::size_t ends = options.lastLineEnd && !lines.empty() ? 2 : 0;
    const std::size_t between = lines.empty() ? 0 : (lines.size() - 1) * separator.size();
    Check(JoinOutput(lines, options).size() == lines.size() * text.size() + between + ends);
    return 0;
}
