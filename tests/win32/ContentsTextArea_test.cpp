// Files with hostile lines dropped in all-lines mode, read back from the real text area: a NUL, a lead byte
// alone before the line end and an over-long line must neither end its text early, join lines, nor lose what
// it held before.
#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/MakeDrop.h"
#include "tests/win32/TempTree.h"

namespace {

class ContentsTextAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form_.Create(GetModuleHandleW(nullptr)));
        form_.PrepareForDrops();
        SendMessageW(form_.Item(kRdoShow), BM_CLICK, 0, 0);
        SendMessageW(form_.Item(kRdoLineAll), BM_CLICK, 0, 0);
        form_.TextArea().AppendLine("kept");
    }

    void Drop(const std::vector<Text>& names) {
        PostMessageW(form_.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names)), 0);
        loop_.Pump();
    }

    TempTree tree;
    MessageLoop loop_;
    Services services_;
    TForm1 form_{loop_, services_.ForMainWindow()};
};

TEST_F(ContentsTextAreaTest, ANulOrALoneLeadByteTouchesOnlyItsOwnLine) {
    // The file's bytes are Shift_JIS: 95 5C is 表; the lead byte alone is carried as U+DC81.
    tree.File("hostile.txt", Text("head\0tail", 9) + "\r\nabc\x81\r\n\x95\x5C\r\nnext\r\nlast");
    BoxAnswerer boxes;
    Drop({tree.Path("hostile.txt")});
    EXPECT_EQ(form_.TextArea().MemoText(), "kept\r\nhead tail\r\nabc\xED\xB2\x81\r\n表\r\nnext\r\nlast\r\n");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ContentsTextAreaTest, AnOverLongLineIsCutAndTheUserToldOnce) {
    const std::size_t longest = FileContentsReader::kLongestLine;
    const Text over(longest + 5000, 'x');
    tree.File("a.txt", "a1\r\n" + over + "\r\na2");
    tree.File("b.txt", over);
    BoxAnswerer boxes;
    Drop({tree.Path("a.txt"), tree.Path("b.txt")});
    const Text cut = over.substr(0, longest);
    EXPECT_TRUE(form_.TextArea().MemoText() == "kept\r\na1\r\n" + cut + "\r\na2\r\n" + cut + "\r\n")
        << "the text area holds " << form_.TextArea().MemoText().size() << " bytes";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, tree.Path("a.txt") + "\r\nこのファイルほか 1 ファイルの長すぎる行を " +
                                         std::to_string(longest) + " バイトで切り詰めました。");
    EXPECT_FALSE(form_.State().FBusy);
}

}  // namespace
