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

}  // namespace
