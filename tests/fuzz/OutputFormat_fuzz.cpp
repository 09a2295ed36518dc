// The output formatter over random paths and options. Undoing the quotes and the separator style gives back
// the line as the path options leave it, so no byte of a multibyte character (nor one that is no UTF-8) is
// taken for a separator; each column asked for comes after a tab of its own.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "shared/OutputFormat.h"
#include "tests/fuzz/FuzzSupport.h"
#include "text/PathPieces.h"

namespace {

// Paths as the walk gives them: no tab and no "/", which no Windows name holds.
Text RandomPath(FuzzedDataProvider& input) {
    // Their Shift_JIS forms end in 0x5C.
    static constexpr const char* kTrail5CCharacters[] = {"表", "ソ", "能"};
    Text path;
    while (path.size() < 300 && input.remaining_bytes() > 0) {
        const auto piece = input.ConsumeIntegralInRange(0, 6);
        if (piece == 0) {
            path += static_cast<char>('a' + input.ConsumeIntegralInRange(0, 25));
        } else if (piece <= 4) {
            path += "\\.: "[piece - 1];
        } else if (piece == 5) {
            path += kTrail5CCharacters[input.ConsumeIntegralInRange(0, 2)];
        } else {
            const auto b = input.ConsumeIntegral<unsigned char>();
            if (b != '\t' && b != '/') path += static_cast<char>(b);
        }
    }
    return path;
}

Text UndoSlashes(const Text& text, SlashStyle style) {
    Text out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (style == SlashStyle::Slash) {
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
    options.slashes = static_cast<SlashStyle>(input.ConsumeIntegralInRange(0, 2));
    options.folderMark = input.ConsumeBool();
    options.relative = input.ConsumeBool();
    options.extensions = input.ConsumeBool();
    options.sizeColumn = input.ConsumeBool();
    options.timeColumn = input.ConsumeBool();
    options.attributeColumn = input.ConsumeBool();
    // Times on the clock and off it.
    const auto near = [&] { return input.ConsumeIntegralInRange<std::uint8_t>(0, 60); };
    const EntryFacts facts{input.ConsumeIntegral<std::uint32_t>(),
                           input.ConsumeIntegral<std::uint64_t>(),
                           {input.ConsumeIntegral<std::uint16_t>(), near(), near(), near(), near(), near()}};
    OutputEntry entry;
    entry.folder = input.ConsumeBool();
    entry.facts = input.ConsumeBool() ? &facts : nullptr;
    entry.relativeStart = input.ConsumeIntegralInRange<std::size_t>(0, 310);
    entry.line = RandomPath(input);

    // Each column asked for follows a tab of its own, empty when the facts are unknown.
    Text text = FormatEntry(entry, options);
    const std::size_t asked = options.sizeColumn + options.timeColumn + options.attributeColumn;
    const std::size_t path = std::min(text.find('\t'), text.size());
    Check(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\t')) == asked);
    Check(entry.facts || text.size() - path == asked);
    text.resize(path);

    // The path undone, against the line cut at the relative start, then marked or its extension taken off.
    const bool quoted = options.quoting == Quoting::Always ||
                        (options.quoting == Quoting::WhenSpace && text.find(' ') != Text::npos);
    Check(!quoted || (text.size() >= 2 && text.front() == '"' && text.back() == '"'));
    const Text undone = UndoSlashes(quoted ? text.substr(1, text.size() - 2) : text, options.slashes);
    const Text start =
        options.relative ? entry.line.substr(std::min(entry.relativeStart, entry.line.size())) : entry.line;
    Text expected = start;
    if (options.folderMark && entry.folder && !start.empty()) {
        // Marked, it ends in a separator.
        Check(LastDelimiter(undone, "\\") == undone.size() - 1);
        if (undone != start) expected += '\\';
    } else if (undone != start) {
        Check(!options.extensions && !entry.folder);
        const Text extension = PathExtension(start);
        Check(!extension.empty() && extension != PathFileName(start));
        expected.resize(start.size() - extension.size());
    }
    Check(undone == expected);
    return 0;
}
