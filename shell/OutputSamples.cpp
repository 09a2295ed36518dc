#include "shell/OutputSamples.h"

#include "shared/OutputFormat.h"

namespace {

// The dropped folder is C:\資料: the relative part starts after it.
constexpr char kSampleFolder[] = "C:\\資料\\";
constexpr char kSampleFile[] = "C:\\資料\\表計算\\売上 一覧.txt";
constexpr char kSampleSubfolder[] = "C:\\資料\\表計算";
// The columns follow a short name: after a whole path they would not fit on the line.
constexpr char kSampleName[] = "表.txt";
// Two lines, to show what comes between them and after the last.
constexpr char kFirstLine[] = "表計算.xls";
constexpr char kSecondLine[] = "ソース.txt";

const EntryFacts kSampleFacts{FileAttr::ReadOnly | FileAttr::Archive, 980, LocalTime{2026, 4, 1, 9, 30, 0}};

Text Formatted(const Text& line, bool folder, const OutputOptions& alone, const EntryFacts* facts = nullptr) {
    OutputEntry entry;
    entry.line = line;
    entry.relativeStart = Text(kSampleFolder).size();
    entry.folder = folder;
    entry.facts = facts;
    return FormatEntry(entry, alone);
}

// Drop order is the walk's; locale order puts "." before the digits; natural order reads the numbers.
Text OrderSample(EntryOrder order) {
    switch (order) {
        case EntryOrder::Drop:
            return "表2.txt 表10.txt 表1.txt";
        case EntryOrder::Natural:
            return "表1.txt 表2.txt 表10.txt";
        case EntryOrder::Locale:
            break;
    }
    return "表1.txt 表10.txt 表2.txt";
}

}  // namespace

Text OutputSample(OutputOption option, const OutputOptions& chosen) {
    OutputOptions alone;
    switch (option) {
        case OutputOption::Quoting:
            alone.quoting = chosen.quoting;
            return Formatted(kSampleFile, false, alone);
        case OutputOption::Separator:
            alone.separator = chosen.separator;
            alone.customSeparator = chosen.customSeparator;
            return VisibleBreaks(JoinOutput({kFirstLine, kSecondLine}, alone));
        case OutputOption::LastLineEnd:
            alone.lastLineEnd = chosen.lastLineEnd;
            return VisibleBreaks(JoinOutput({kFirstLine, kSecondLine}, alone));
        case OutputOption::Slashes:
            alone.slashes = chosen.slashes;
            return Formatted(kSampleFile, false, alone);
        case OutputOption::FolderMark:
            alone.folderMark = chosen.folderMark;
            return Formatted(kSampleSubfolder, true, alone);
        case OutputOption::Relative:
            alone.relative = chosen.relative;
            return Formatted(kSampleFile, false, alone);
        case OutputOption::Extensions:
            alone.extensions = chosen.extensions;
            return Formatted(kSampleFile, false, alone);
        case OutputOption::Order:
            return OrderSample(chosen.order);
        case OutputOption::Columns:
            alone.sizeColumn = chosen.sizeColumn;
            alone.timeColumn = chosen.timeColumn;
            alone.attributeColumn = chosen.attributeColumn;
            return VisibleBreaks(Formatted(kSampleName, false, alone, &kSampleFacts));
    }
    return Text();
}

Text VisibleBreaks(const Text& text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char b = text[i];
        if (b == '\r') {
            out += "↓";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (b == '\n') {
            out += "↓";
        } else if (b == '\t') {
            out += "→";
        } else {
            out += text[i];
        }
    }
    return out;
}
