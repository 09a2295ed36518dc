#include "app/OutputSettings.h"

#include <cstdint>
#include <string>

#include "text/CharacterCut.h"

namespace {

// A section of their own, so the main window's seven keys stay as they are.
constexpr char kSection[] = "Output";

constexpr char kQuoting[] = "Quoting";
constexpr char kSeparator[] = "Separator";
constexpr char kCustomSeparator[] = "CustomSeparator";
constexpr char kLastLineEnd[] = "LastLineEnd";
constexpr char kSlashes[] = "Slashes";
constexpr char kFolderMark[] = "FolderMark";
constexpr char kRelative[] = "Relative";
constexpr char kExtensions[] = "Extensions";
constexpr char kOrder[] = "Order";
constexpr char kSizeColumn[] = "SizeColumn";
constexpr char kTimeColumn[] = "TimeColumn";
constexpr char kAttributeColumn[] = "AttributeColumn";
constexpr char kReadOnlineFiles[] = "ReadOnlineFiles";
constexpr char kCodePageNames[] = "CodePageNames";
constexpr char kContentsEncoding[] = "ContentsEncoding";
constexpr char kExcludeMasks[] = "ExcludeMasks";
constexpr char kIncludeHidden[] = "IncludeHidden";
constexpr char kDepth[] = "Depth";
constexpr char kKinds[] = "Kinds";
constexpr char kTree[] = "Tree";
constexpr char kCsv[] = "Csv";
constexpr char kContentsHeadings[] = "ContentsHeadings";

// The INI functions drop surrounding spaces and quotes and cannot hold a line break, so free texts (the
// separator, the masks) are kept between quotes, with control bytes, quotes and "%" written as "%" and two
// hexadecimal digits. In UTF-8 none of these bytes is part of another character, so a byte-wise pass is safe.
bool NeedsEscape(unsigned char b) {
    return b < 0x20 || b == 0x7F || b == '"' || b == '%';
}

Text EncodeText(const Text& separator) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    Text out = "\"";
    for (const char c : separator) {
        const auto b = static_cast<unsigned char>(c);
        if (NeedsEscape(b)) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        } else {
            out += c;
        }
    }
    return out + '"';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Takes the value as the file holds it: with its quotes where the profile keeps them, and a "%" that starts
// no escape (a hand-edited file) as itself.
Text DecodeText(Text value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    Text out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const int high = value[i] == '%' && i + 2 < value.size() ? HexDigit(value[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(value[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high << 4 | low);
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

class Reader {
public:
    Reader(Profile& profile, const Text& path) : profile_(profile), path_(path) {}

    Text Read(const char* key) { return profile_.Read(path_, kSection, key, Text()); }

    // A choice out of the enumeration's range gives its default.
    template <typename Choice>
    Choice ReadChoice(const char* key, Choice fallback, Choice last) {
        const std::int32_t value = ParseIntegerValue(Read(key), static_cast<std::int32_t>(fallback));
        return value >= 0 && value <= static_cast<std::int32_t>(last) ? static_cast<Choice>(value) : fallback;
    }

    bool ReadBool(const char* key, bool fallback) {
        return ParseIntegerValue(Read(key), fallback ? 1 : 0) != 0;
    }

private:
    Profile& profile_;
    const Text path_;
};

// Stops at the first write the system refuses.
bool WriteOptions(Profile& profile, const Text& path, const OutputOptions& o) {
    const auto write = [&](const char* key, const Text& value) {
        return profile.Write(path, kSection, key, value);
    };
    const auto number = [&](const char* key, auto choice) {
        return write(key, std::to_string(static_cast<int>(choice)));
    };
    const auto flag = [&](const char* key, bool on) { return write(key, on ? "1" : "0"); };
    return number(kQuoting, o.quoting) && number(kSeparator, o.separator) &&
           write(kCustomSeparator, EncodeText(o.customSeparator)) && flag(kLastLineEnd, o.lastLineEnd) &&
           number(kSlashes, o.slashes) && flag(kFolderMark, o.folderMark) && flag(kRelative, o.relative) &&
           flag(kExtensions, o.extensions) && number(kOrder, o.order) && flag(kSizeColumn, o.sizeColumn) &&
           flag(kTimeColumn, o.timeColumn) && flag(kAttributeColumn, o.attributeColumn) &&
           flag(kReadOnlineFiles, o.readOnlineFiles) && flag(kCodePageNames, o.codePageNames) &&
           number(kContentsEncoding, o.contentsEncoding) &&
           write(kExcludeMasks, EncodeText(o.excludeMasks)) && flag(kIncludeHidden, o.includeHidden) &&
           number(kDepth, o.depth) && number(kKinds, o.kinds) && number(kTree, o.tree) && flag(kCsv, o.csv) &&
           flag(kContentsHeadings, o.contentsHeadings);
}

}  // namespace

OutputOptions LoadOutputOptions(Profile& profile, const SettingsPlaces& places) {
    const Text path = SettingsFileToRead(profile, places);
    Reader r(profile, path);
    OutputOptions o;
    o.quoting = r.ReadChoice(kQuoting, o.quoting, Quoting::WhenSpace);
    o.separator = r.ReadChoice(kSeparator, o.separator, LineSeparator::Custom);
    o.customSeparator = CutToShiftJisWidth(DecodeText(r.Read(kCustomSeparator)), kCustomSeparatorBytes);
    o.lastLineEnd = r.ReadBool(kLastLineEnd, o.lastLineEnd);
    o.slashes = r.ReadChoice(kSlashes, o.slashes, SlashStyle::Environment);
    o.folderMark = r.ReadBool(kFolderMark, o.folderMark);
    o.relative = r.ReadBool(kRelative, o.relative);
    o.extensions = r.ReadBool(kExtensions, o.extensions);
    o.order = r.ReadChoice(kOrder, o.order, EntryOrder::Natural);
    o.sizeColumn = r.ReadBool(kSizeColumn, o.sizeColumn);
    o.timeColumn = r.ReadBool(kTimeColumn, o.timeColumn);
    o.attributeColumn = r.ReadBool(kAttributeColumn, o.attributeColumn);
    o.readOnlineFiles = r.ReadBool(kReadOnlineFiles, o.readOnlineFiles);
    o.codePageNames = r.ReadBool(kCodePageNames, o.codePageNames);
    o.contentsEncoding = r.ReadChoice(kContentsEncoding, o.contentsEncoding, ContentsEncoding::ShiftJis);
    o.excludeMasks = DecodeText(r.Read(kExcludeMasks));
    o.includeHidden = r.ReadBool(kIncludeHidden, o.includeHidden);
    o.depth = r.ReadChoice(kDepth, o.depth, kMaxDepth);
    o.kinds = r.ReadChoice(kKinds, o.kinds, EntryKinds::FoldersOnly);
    o.tree = r.ReadChoice(kTree, o.tree, TreeStyle::Ascii);
    o.csv = r.ReadBool(kCsv, o.csv);
    o.contentsHeadings = r.ReadBool(kContentsHeadings, o.contentsHeadings);
    return o;
}

void SaveOutputOptions(Profile& profile, const SettingsPlaces& places, const OutputOptions& options) {
    WriteSettingsFile(profile, places,
                      [&](const Text& path) { return WriteOptions(profile, path, options); });
}
