#include "app/OutputSettings.h"

#include <cstdint>
#include <string>

#include "text/CharacterCut.h"

namespace {

// A section of their own, so the main window's seven keys stay as they are.
constexpr char kSection[] = "Output";

// Every option with its key, in the order the file holds them: reading and writing both walk this one list.
// A choice comes with its last value, a free text with the most bytes it may hold (Text::npos: no limit).
template <typename Options, typename Visit>
void ForEachOption(Options& o, Visit&& visit) {
    visit("Quoting", o.quoting, Quoting::WhenSpace);
    visit("Separator", o.separator, LineSeparator::Custom);
    visit("CustomSeparator", o.customSeparator, kCustomSeparatorBytes);
    visit("LastLineEnd", o.lastLineEnd);
    visit("Slashes", o.slashes, SlashStyle::Environment);
    visit("FolderMark", o.folderMark);
    visit("Relative", o.relative);
    visit("Extensions", o.extensions);
    visit("Order", o.order, EntryOrder::Natural);
    visit("SizeColumn", o.sizeColumn);
    visit("TimeColumn", o.timeColumn);
    visit("AttributeColumn", o.attributeColumn);
    visit("ReadOnlineFiles", o.readOnlineFiles);
    visit("CodePageNames", o.codePageNames);
    visit("ContentsEncoding", o.contentsEncoding, ContentsEncoding::ShiftJis);
    visit("ExcludeMasks", o.excludeMasks, Text::npos);
    visit("IncludeHidden", o.includeHidden);
    visit("Depth", o.depth, kMaxDepth);
    visit("Kinds", o.kinds, EntryKinds::FoldersOnly);
    visit("Tree", o.tree, TreeStyle::Ascii);
    visit("Csv", o.csv);
    visit("ContentsHeadings", o.contentsHeadings);
}

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

// A missing key, or a value out of range, leaves the option at its default.
class OptionReader {
public:
    OptionReader(Profile& profile, const Text& path) : profile_(profile), path_(path) {}

    void operator()(const char* key, bool& on) const { on = ParseIntegerValue(Read(key), on ? 1 : 0) != 0; }

    template <typename Choice>
    void operator()(const char* key, Choice& choice, Choice last) const {
        const std::int32_t value = ParseIntegerValue(Read(key), static_cast<std::int32_t>(choice));
        if (value >= 0 && value <= static_cast<std::int32_t>(last)) choice = static_cast<Choice>(value);
    }

    void operator()(const char* key, Text& text, std::size_t maxBytes) const {
        text = DecodeText(Read(key));
        if (maxBytes != Text::npos) text = CutToShiftJisWidth(text, maxBytes);
    }

private:
    Text Read(const char* key) const { return profile_.Read(path_, kSection, key, Text()); }

    Profile& profile_;
    const Text path_;
};

// Stops at the first write the system refuses.
class OptionWriter {
public:
    OptionWriter(Profile& profile, const Text& path) : profile_(profile), path_(path) {}

    void operator()(const char* key, bool on) { Write(key, on ? "1" : "0"); }

    template <typename Choice>
    void operator()(const char* key, Choice choice, Choice) {
        Write(key, std::to_string(static_cast<int>(choice)));
    }

    void operator()(const char* key, const Text& text, std::size_t) { Write(key, EncodeText(text)); }

    bool AllWritten() const { return written_; }

private:
    void Write(const char* key, const Text& value) {
        written_ = written_ && profile_.Write(path_, kSection, key, value);
    }

    Profile& profile_;
    const Text path_;
    bool written_ = true;
};

}  // namespace

OutputOptions LoadOutputOptions(Profile& profile, const SettingsPlaces& places) {
    OutputOptions o;
    ForEachOption(o, OptionReader(profile, SettingsFileToRead(profile, places)));
    return o;
}

void SaveOutputOptions(Profile& profile, const SettingsPlaces& places, const OutputOptions& options) {
    WriteSettingsFile(profile, places, [&](const Text& path) {
        OptionWriter writer(profile, path);
        ForEachOption(options, writer);
        return writer.AllWritten();
    });
}
