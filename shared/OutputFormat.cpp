#include "shared/OutputFormat.h"

#include <algorithm>
#include <string>

#include "text/CharacterCut.h"
#include "text/PathPieces.h"

namespace {

bool EndsInSeparator(const Text& line) {
    return !line.empty() && LastDelimiter(line, "\\") == line.size() - 1;
}

// A name made only of its extension (".bashrc") keeps it: without it nothing would be left.
Text WithoutExtension(const Text& line) {
    const Text extension = PathExtension(line);
    if (extension.empty() || extension.size() == PathFileName(line).size()) return line;
    return line.substr(0, line.size() - extension.size());
}

Text WithSlashes(const Text& line, SlashStyle style) {
    if (style == SlashStyle::Backslash) return line;
    const char* const replacement = style == SlashStyle::Slash ? "/" : "\\\\";
    Text out;
    out.reserve(line.size() + line.size() / 4);
    for (const char c : line) {
        if (c == '\\') {
            out += replacement;
        } else {
            out += c;
        }
    }
    return out;
}

Text Quoted(const Text& line, Quoting quoting) {
    const bool quote =
        quoting == Quoting::Always || (quoting == Quoting::WhenSpace && line.find(' ') != Text::npos);
    return quote ? '"' + line + '"' : line;
}

void AppendPadded(Text& out, unsigned value, std::size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

// A time no clock shows (month 0: the system could not convert it) gives an empty column.
bool OnTheClock(const LocalTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour <= 23 && t.minute <= 59 &&
           t.second <= 59;
}

Text TimeColumn(const LocalTime& t) {
    if (!OnTheClock(t)) return Text();
    Text out;
    AppendPadded(out, t.year, 4);
    out += '/';
    AppendPadded(out, t.month, 2);
    out += '/';
    AppendPadded(out, t.day, 2);
    out += ' ';
    AppendPadded(out, t.hour, 2);
    out += ':';
    AppendPadded(out, t.minute, 2);
    out += ':';
    AppendPadded(out, t.second, 2);
    return out;
}

Text AttributeColumn(std::uint32_t attributes) {
    struct Letter {
        std::uint32_t bit;
        char letter;
    };
    static constexpr Letter kLetters[] = {{FileAttr::ReadOnly, 'R'},
                                          {FileAttr::Hidden, 'H'},
                                          {FileAttr::System, 'S'},
                                          {FileAttr::Archive, 'A'},
                                          {FileAttr::Directory, 'D'}};
    Text out;
    for (const Letter& l : kLetters)
        if (attributes & l.bit) out += l.letter;
    return out;
}

bool HasColumns(const OutputOptions& o) {
    return o.sizeColumn || o.timeColumn || o.attributeColumn;
}

}  // namespace

bool OutputOptions::operator==(const OutputOptions& other) const {
    return quoting == other.quoting && separator == other.separator &&
           customSeparator == other.customSeparator && lastLineEnd == other.lastLineEnd &&
           slashes == other.slashes && folderMark == other.folderMark && relative == other.relative &&
           extensions == other.extensions && order == other.order && sizeColumn == other.sizeColumn &&
           timeColumn == other.timeColumn && attributeColumn == other.attributeColumn &&
           readOnlineFiles == other.readOnlineFiles && codePageNames == other.codePageNames &&
           contentsEncoding == other.contentsEncoding;
}

Text FormatEntry(const OutputEntry& entry, const OutputOptions& options) {
    if (KeepsLines(options)) return entry.line;

    Text line =
        options.relative ? entry.line.substr(std::min(entry.relativeStart, entry.line.size())) : entry.line;
    if (!options.extensions && !entry.folder) line = WithoutExtension(line);
    // An empty line (a form the system could not give) stays empty: a lone mark would name nothing.
    if (options.folderMark && entry.folder && !line.empty() && !EndsInSeparator(line)) line += '\\';
    line = Quoted(WithSlashes(line, options.slashes), options.quoting);

    // Every column asked for gets its tab, known or not, so the columns line up.
    const EntryFacts* facts = entry.facts;
    if (options.sizeColumn) {
        line += '\t';
        if (facts && !entry.folder && !(facts->attributes & FileAttr::Directory))
            line += std::to_string(facts->size);
    }
    if (options.timeColumn) {
        line += '\t';
        if (facts) line += TimeColumn(facts->written);
    }
    if (options.attributeColumn) {
        line += '\t';
        if (facts) line += AttributeColumn(facts->attributes);
    }
    return line;
}

bool KeepsLines(const OutputOptions& options) {
    return options.quoting == Quoting::None && options.slashes == SlashStyle::Backslash &&
           !options.folderMark && !options.relative && options.extensions && !HasColumns(options);
}

bool JoinsWithCrLf(const OutputOptions& options) {
    return options.separator == LineSeparator::CrLf && options.lastLineEnd;
}

Text SeparatorText(const OutputOptions& options) {
    switch (options.separator) {
        case LineSeparator::Tab:
            return "\t";
        case LineSeparator::Space:
            return " ";
        case LineSeparator::Comma:
            return ",";
        case LineSeparator::Custom:
            return CutToShiftJisWidth(options.customSeparator, kCustomSeparatorBytes);
        case LineSeparator::CrLf:
            break;
    }
    return "\r\n";
}

Text JoinOutput(const std::vector<Text>& lines, const OutputOptions& options) {
    if (lines.empty()) return Text();
    const Text separator = SeparatorText(options);
    std::size_t size = (lines.size() - 1) * separator.size() + 2;
    for (const Text& line : lines)
        size += line.size();
    Text out;
    out.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0) out += separator;
        out += lines[i];
    }
    if (options.lastLineEnd) out += "\r\n";
    return out;
}
