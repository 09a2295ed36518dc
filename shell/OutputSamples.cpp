#include "shell/OutputSamples.h"

#include <vector>

#include "collect/ExclusionMasks.h"
#include "collect/TreeDrawing.h"
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

// The walk's sample: a folder 表 holding 売上.txt, a file メモ.txt and a hidden file 隠し.txt, as the
// entries below the dropped folder come out.
Text WalkSample(const OutputOptions& chosen) {
    struct Entry {
        const char* name;
        int level;
        bool folder, hidden;
    };
    static constexpr Entry kEntries[] = {{"表\\", 1, true, false},
                                         {"表\\売上.txt", 2, false, false},
                                         {"メモ.txt", 1, false, false},
                                         {"隠し.txt", 1, false, true}};
    Text out;
    for (const Entry& e : kEntries) {
        const bool kind =
            chosen.kinds == EntryKinds::Both || (chosen.kinds == EntryKinds::FilesOnly) != e.folder;
        if ((chosen.depth > 0 && e.level > chosen.depth) || (e.hidden && !chosen.includeHidden) || !kind)
            continue;
        if (!out.empty()) out += ' ';
        out += e.name;
    }
    return out.empty() ? Text("(なし)") : out;
}

Text TreeSample(TreeStyle style) {
    if (style == TreeStyle::None) return "C:\\資料\\表\\a.txt  C:\\資料\\b.txt";
    TreeNode root{"資料", true, true, {}};
    root.children.push_back(TreeNode{"表", true, true, {TreeNode{"a.txt", false, true, {}}}});
    root.children.push_back(TreeNode{"b.txt", false, true, {}});
    Text out;
    for (const Text& line : DrawTree("C:\\資料", root, style, true)) {
        if (!out.empty()) out += "↓";
        out += line;
    }
    return out;
}

// A name with a comma and a space, as a CSV row below its header.
Text CsvSample(bool csv) {
    OutputOptions alone;
    alone.csv = csv;
    const Text row = Formatted("表 1,2.txt", false, alone);
    return VisibleBreaks(csv ? CsvHeader(alone) + "\r\n" + row : row);
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
            // The environment form names the user's own folder, which the sample takes to be C:\資料.
            if (chosen.slashes == SlashStyle::Environment)
                return "%USERPROFILE%" + Text(kSampleFile).substr(Text(kSampleFolder).size() - 1);
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
        case OutputOption::Masks:
            return MasksSample(chosen.excludeMasks);
        case OutputOption::Depth:
            return WalkSample(chosen);
        case OutputOption::Tree:
            return TreeSample(chosen.tree);
        case OutputOption::Csv:
            return CsvSample(chosen.csv);
        case OutputOption::Headings:
            return VisibleBreaks((chosen.contentsHeadings ? "■ " + Text(kSampleFile) + "\r\n" : Text()) +
                                 "ファイルの 1 行目");
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
