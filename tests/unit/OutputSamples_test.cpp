#include "shell/OutputSamples.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const OutputOption kAllOptions[] = {
    OutputOption::Quoting,    OutputOption::Separator,  OutputOption::LastLineEnd,
    OutputOption::Slashes,    OutputOption::FolderMark, OutputOption::Relative,
    OutputOption::Extensions, OutputOption::Order,      OutputOption::Columns};

// Each sample line follows its own option and no other: every choice away from the defaults changes the
// sample of its option and leaves all the others as they are.
TEST(OutputSample, EachLineShowsItsOwnOptionAlone) {
    const struct {
        OutputOption option;
        std::function<void(OutputOptions&)> choose;
    } choices[] = {
        {OutputOption::Quoting, [](OutputOptions& o) { o.quoting = Quoting::Always; }},
        {OutputOption::Quoting, [](OutputOptions& o) { o.quoting = Quoting::WhenSpace; }},
        {OutputOption::Separator, [](OutputOptions& o) { o.separator = LineSeparator::Tab; }},
        {OutputOption::Separator, [](OutputOptions& o) { o.separator = LineSeparator::Space; }},
        {OutputOption::Separator, [](OutputOptions& o) { o.separator = LineSeparator::Comma; }},
        {OutputOption::Separator,
         [](OutputOptions& o) {
             o.separator = LineSeparator::Custom;
             o.customSeparator = "｜";
         }},
        {OutputOption::LastLineEnd, [](OutputOptions& o) { o.lastLineEnd = false; }},
        {OutputOption::Slashes, [](OutputOptions& o) { o.slashes = SlashStyle::Slash; }},
        {OutputOption::Slashes, [](OutputOptions& o) { o.slashes = SlashStyle::DoubledBackslash; }},
        {OutputOption::FolderMark, [](OutputOptions& o) { o.folderMark = true; }},
        {OutputOption::Relative, [](OutputOptions& o) { o.relative = true; }},
        {OutputOption::Extensions, [](OutputOptions& o) { o.extensions = false; }},
        {OutputOption::Order, [](OutputOptions& o) { o.order = EntryOrder::Drop; }},
        {OutputOption::Order, [](OutputOptions& o) { o.order = EntryOrder::Natural; }},
        {OutputOption::Columns, [](OutputOptions& o) { o.sizeColumn = true; }},
        {OutputOption::Columns, [](OutputOptions& o) { o.timeColumn = true; }},
        {OutputOption::Columns, [](OutputOptions& o) { o.attributeColumn = true; }},
    };
    const OutputOptions defaults;
    for (std::size_t i = 0; i < std::size(choices); ++i) {
        OutputOptions chosen;
        choices[i].choose(chosen);
        for (const OutputOption option : kAllOptions) {
            const Text before = OutputSample(option, defaults), after = OutputSample(option, chosen);
            if (option == choices[i].option)
                EXPECT_NE(after, before) << "choice " << i << " does not show in its own sample";
            else
                EXPECT_EQ(after, before) << "choice " << i << " shows in sample " << static_cast<int>(option);
        }
    }
}

// A label shows one line: what separates the lines and ends the last one is drawn as an arrow.
TEST(OutputSample, BreaksAndTabsAreShownAsArrows) {
    OutputOptions tab;
    tab.separator = LineSeparator::Tab;
    const Text tabbed = OutputSample(OutputOption::Separator, tab);
    EXPECT_EQ(tabbed.find_first_of("\t\r\n"), Text::npos) << tabbed;
    EXPECT_NE(tabbed.find("→"), Text::npos) << tabbed;
    EXPECT_EQ(tabbed.substr(tabbed.size() - 2), "↓") << "a CR LF still ends the last line";

    OutputOptions noEnd;
    noEnd.lastLineEnd = false;
    const Text open = OutputSample(OutputOption::LastLineEnd, noEnd);
    const Text closed = OutputSample(OutputOption::LastLineEnd, OutputOptions());
    EXPECT_EQ(open + "↓", closed);
}

TEST(VisibleBreaks, EachKindOfBreakIsOneArrowAndDoubleByteCharactersStay) {
    EXPECT_EQ(VisibleBreaks("a\r\nb\tc\rd\ne"), "a↓b→c↓d↓e");
    EXPECT_EQ(VisibleBreaks("表\r\n\r\nソ"), "表↓↓ソ");
    EXPECT_EQ(VisibleBreaks("能"), "能");
    EXPECT_EQ(VisibleBreaks(""), "");
}

}  // namespace
