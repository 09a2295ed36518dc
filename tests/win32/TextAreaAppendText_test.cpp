// Text appended as it stands to the real text area: behind a line break as it is, else on a line of its own.
#include <gtest/gtest.h>

#include "app/MainWindow.h"

namespace {

TEST(TextAreaAppendText, StartsOnALineOfItsOwnAndKeepsItsBytes) {
    MessageLoop loop;
    TForm1 form{loop};
    ASSERT_TRUE(form.Create(GetModuleHandleA(nullptr)));
    form.AppendText("\"表/a b\"\tソ");
    EXPECT_EQ(form.MemoText(), "\"表/a b\"\tソ");
    form.AppendText("能,x\r\n");
    EXPECT_EQ(form.MemoText(), "\"表/a b\"\tソ\r\n能,x\r\n");
    form.AppendText("y");
    form.AppendText("");
    EXPECT_EQ(form.MemoText(), "\"表/a b\"\tソ\r\n能,x\r\ny");
    form.AppendLines({"z"});
    EXPECT_EQ(form.MemoText(), "\"表/a b\"\tソ\r\n能,x\r\ny\r\nz");
}

// A block of lines goes in as AppendLines would put its lines: behind a break as it is, else each line behind
// a break of its own and the last without one.
TEST(TextAreaAppendText, LineBlockAppendsAsItsLinesWould) {
    MessageLoop loop;
    TForm1 form{loop};
    ASSERT_TRUE(form.Create(GetModuleHandleA(nullptr)));
    for (const Text start : {"", "x\r\n", "x"}) {
        SetWindowTextA(form.Item(kMemo), start.c_str());
        form.AppendLines({"表", "", "b"});
        const Text byLines = form.MemoText();
        SetWindowTextA(form.Item(kMemo), start.c_str());
        form.AppendLineBlock("表\r\n\r\nb\r\n");
        EXPECT_EQ(form.MemoText(), byLines) << start;
    }
}

}  // namespace
