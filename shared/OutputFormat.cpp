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

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "C:" and what follows it; a path that starts with a drive.
bool HasDrive(const Text& line) {
    return line.size() >= 2 && IsDriveLetter(line[0]) && line[1] == ':';
}

bool IsUnc(const Text& line) {
    return line.size() >= 2 && line[0] == '\\' && line[1] == '\\';
}

Text Replaced(const Text& line, std::size_t from, const char* replacement) {
    Text out = line.substr(0, from);
    out.reserve(line.size() + line.size() / 4);
    for (std::size_t i = from; i < line.size(); ++i) {
        if (line[i] == '\\') {
            out += replacement;
        } else {
            out += line[i];
        }
    }
    return out;
}

// A drive path under WSL's mount of the drive; a UNC path as it is, since WSL mounts no share itself.
Text WslForm(const Text& line) {
    if (IsUnc(line)) return line;
    if (!HasDrive(line)) return Replaced(line, 0, "/");
    Text out = "/mnt/";
    out += static_cast<char>(line[0] | 0x20);
    return out + Replaced(line.substr(2), 0, "/");
}

// Everything but the unreserved characters and the separators goes as %XX of its UTF-8 bytes.
void AppendPercentEncoded(Text& out, const Text& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        const bool unreserved = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                                b == '-' || b == '.' || b == '_' || b == '~';
        if (unreserved || b == '/') {
            out += c;
        } else if (b == '\\') {
            out += '/';
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
}

// A drive path as file:///C:/..., a UNC path with its server as the authority: file://server/share/...; a
// relative path as a relative reference.
Text FileUriForm(const Text& line) {
    Text out;
    if (IsUnc(line)) {
        out = "file:";
        AppendPercentEncoded(out, line);
    } else if (HasDrive(line)) {
        out = "file:///";
        out += line.substr(0, 2);
        AppendPercentEncoded(out, line.substr(2));
    } else {
        AppendPercentEncoded(out, line);
    }
    return out;
}

// The environment form is made before the formatter, which has no environment to ask.
Text WithSlashes(const Text& line, SlashStyle style) {
    switch (style) {
        case SlashStyle::Slash:
            return Replaced(line, 0, "/");
        case SlashStyle::DoubledBackslash:
            return Replaced(line, 0, "\\\\");
        case SlashStyle::Wsl:
            return WslForm(line);
        case SlashStyle::FileUri:
            return FileUriForm(line);
        case SlashStyle::Backslash:
        case SlashStyle::Environment:
            break;
    }
    return line;
}

// RFC 4180: a field holding a comma, a quote or a line break goes between quotes, its quotes doubled. Spaces
// are quoted too, so that no program trims them.
Text CsvField(const Text& field) {
    if (field.find_first_of(",\"\r\n ") == Text::npos) return field;
    Text out = "\"";
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
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
           contentsEncoding == other.contentsEncoding && excludeMasks == other.excludeMasks &&
           includeHidden == other.includeHidden && depth == other.depth && kinds == other.kinds &&
           tree == other.tree && csv == other.csv && contentsHeadings == other.contentsHeadings;
}

Text FormatEntry(const OutputEntry& entry, const OutputOptions& options) {
    if (KeepsLines(options)) return entry.line;

    Text line =
        options.relative ? entry.line.substr(std::min(entry.relativeStart, entry.line.size())) : entry.line;
    if (!options.extensions && !entry.folder) line = WithoutExtension(line);
    // An empty line (a form the system could not give) stays empty: a lone mark would name nothing.
    if (options.folderMark && entry.folder && !line.empty() && !EndsInSeparator(line)) line += '\\';
    line = WithSlashes(line, options.slashes);
    if (!options.csv) line = Quoted(line, options.quoting);

    // Every column asked for gets its tab (its comma in CSV), known or not, so the columns line up.
    const EntryFacts* facts = entry.facts;
    const char between = options.csv ? ',' : '\t';
    if (options.csv) line = CsvField(line);
    const auto column = [&](const Text& text) {
        line += between;
        line += options.csv ? CsvField(text) : text;
    };
    if (options.sizeColumn)
        column(facts && !entry.folder && !(facts->attributes & FileAttr::Directory)
                   ? std::to_string(facts->size)
                   : Text());
    if (options.timeColumn) column(facts ? TimeColumn(facts->written) : Text());
    if (options.attributeColumn) column(facts ? AttributeColumn(facts->attributes) : Text());
    return line;
}

Text CsvHeader(const OutputOptions& options) {
    Text header = "パス";
    if (options.sizeColumn) header += ",サイズ";
    if (options.timeColumn) header += ",更新日時";
    if (options.attributeColumn) header += ",属性";
    return header;
}

bool KeepsLines(const OutputOptions& options) {
    return options.quoting == Quoting::None && options.slashes == SlashStyle::Backslash &&
           !options.folderMark && !options.relative && options.extensions && !HasColumns(options) &&
           !options.csv;
}

bool JoinsWithCrLf(const OutputOptions& options) {
    return (options.separator == LineSeparator::CrLf || options.csv) && options.lastLineEnd;
}

Text SeparatorText(const OutputOptions& options) {
    // A CSV row ends in CR LF, whatever separator is chosen otherwise.
    if (options.csv) return "\r\n";
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
