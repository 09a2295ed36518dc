// The output options on a real Data.INI.
#include "app/OutputSettings.h"

#include <gtest/gtest.h>

#include "platform/Encoding.h"
#include "platform/win32/Win32Profile.h"
#include "tests/win32/FileBytes.h"
#include "tests/win32/TempTree.h"

namespace {

// A file's bytes as earlier versions wrote Data.INI: code page 932.
std::string ShiftJis(const Text& text) {
    std::string bytes;
    TextToShiftJis(text, bytes);
    return bytes;
}

TEST(OutputSettingsFile, SeparatorsWithSpacesAndQuotesSurviveAndTheOtherKeysStay) {
    TempTree tree;
    Win32Profile profile;
    const SettingsPlaces places{tree.Root() + "\\", Text()};
    tree.File("Data.INI", ShiftJis("[MainForm]\r\nFormTop=7\r\n[Show]\r\nFontName=ＭＳ 明朝\r\n"));
    EXPECT_EQ(LoadOutputOptions(profile, places), OutputOptions{});
    for (const Text separator : {" | ", "\"表\" ", "'ソ'", "\t能;"}) {
        const OutputOptions saved{Quoting::Always, LineSeparator::Custom, separator};
        SaveOutputOptions(profile, places, saved);
        EXPECT_EQ(LoadOutputOptions(profile, places), saved) << separator;
    }
    const Text bytes = TextFromShiftJis(FileBytes(tree.Path("Data.INI")));  // the file is Shift_JIS
    std::size_t at = 0;
    for (const Text line : {"[MainForm]", "FormTop=7", "[Show]", "FontName=ＭＳ 明朝", "[Output]"}) {
        const std::size_t found = bytes.find(line, at);
        ASSERT_NE(found, Text::npos) << line << " after byte " << at << " of\n" << bytes;
        at = found + line.size();
    }
}

}  // namespace
