#include "app/OutputSettings.h"

#include <cstdint>
#include <string>
#include <vector>

#include "app/SettingsText.h"
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
        text = TextFromEscaped(Read(key));
        if (maxBytes != Text::npos) text = CutToShiftJisWidth(text, maxBytes);
    }

private:
    Text Read(const char* key) const { return profile_.Read(path_, kSection, key, Text()); }

    Profile& profile_;
    const Text path_;
};

// Gathers every option's value for one write.
class OptionWriter {
public:
    void operator()(const char* key, bool on) { Add(key, on ? "1" : "0"); }

    template <typename Choice>
    void operator()(const char* key, Choice choice, Choice) {
        Add(key, std::to_string(static_cast<int>(choice)));
    }

    // Free texts (the separator, the masks) always between quotes, as earlier versions wrote and read them.
    void operator()(const char* key, const Text& text, std::size_t) { Add(key, EscapedText(text)); }

    const std::vector<ProfileValue>& Values() const { return values_; }

private:
    void Add(const char* key, const Text& value) { values_.push_back({kSection, key, value}); }

    std::vector<ProfileValue> values_;
};

}  // namespace

OutputOptions LoadOutputOptions(Profile& profile, const SettingsPlaces& places) {
    OutputOptions o;
    ForEachOption(o, OptionReader(profile, SettingsFileToRead(profile, places)));
    return o;
}

void SaveOutputOptions(Profile& profile, const SettingsPlaces& places, const OutputOptions& options) {
    OptionWriter writer;
    ForEachOption(options, writer);
    WriteSettingsFile(profile, places,
                      [&](const Text& path) { return profile.Write(path, writer.Values()); });
}
