// The contents reader over real files: attributes, a file held open by another writer, blocks of a large
// file.
#include "platform/win32/Win32FileReader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "collect/DropHandler.h"
#include "collect/FileContentsReader.h"
#include "platform/win32/Handles.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/win32/TempTree.h"
#include "tests/win32/Win32DropParts.h"
#include "text/AppError.h"

namespace {

using Lines = std::vector<Text>;

class Win32FileReaderTest : public ::testing::Test, protected Win32DropParts {
protected:
    Win32FileReaderTest() {
        view.options.RdoFull = false;
        view.options.RdoShow = true;
    }

    void AllLines() {
        view.options.RdoLineCnt = false;
        view.options.RdoLineAll = true;
    }

    TempTree tree;
    Win32FileReader files;
    FileContentsReader reader{state, view, files};
};

TEST_F(Win32FileReaderTest, ReadsAFileInBothModes) {
    tree.File("表.txt", "表\r\nソ\rx\ny\x1Az\r\n");
    AllLines();
    reader.AddFileContents(tree.Path("表.txt"));
    EXPECT_EQ(view.lines, (Lines{"表", "ソ", "x\ny"}));
    view.options.RdoLineCnt = true;
    view.lines.clear();
    reader.AddFileContents(tree.Path("表.txt"));
    reader.WriteHeldLines();
    EXPECT_EQ(view.lines, (Lines{"         3行:" + tree.Path("表.txt")}));
    EXPECT_EQ(state.FTotalLines, 3);
}

TEST_F(Win32FileReaderTest, HiddenSystemFoldersAndMissingPathsGiveNothing) {
    tree.File("hidden.txt", "a\r\n");
    tree.File("system.txt", "a\r\n");
    tree.Folder("folder");
    tree.Attributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    tree.Attributes("system.txt", FILE_ATTRIBUTE_SYSTEM);
    for (const Text name : {"hidden.txt", "system.txt", "folder", "missing.txt"}) {
        reader.AddFileContents(tree.Path(name));
        EXPECT_TRUE(view.calls.empty()) << name;
    }
    EXPECT_FALSE(files.PlainFileSize(tree.Path("hidden.txt")));
    EXPECT_FALSE(files.Exists(tree.Path("folder")));
    tree.File("readonly.txt", "a\r\nb");
    tree.Attributes("readonly.txt", FILE_ATTRIBUTE_READONLY);
    reader.AddFileContents(tree.Path("readonly.txt"));
    reader.WriteHeldLines();
    EXPECT_EQ(view.lines, (Lines{"         2行:" + tree.Path("readonly.txt")}));
}

TEST_F(Win32FileReaderTest, LinesCrossTheBlocksOfALargeFile) {
    Text contents;
    int n = 0;
    // Lines end alternately in CR LF and a lone CR.
    for (; contents.size() < 3 * FileContentsReader::kBlockBytes + 5; ++n)
        contents += "line " + std::to_string(n) + (n % 2 ? "\r" : "\r\n");
    tree.File("large.txt", contents);
    EXPECT_EQ(files.PlainFileSize(tree.Path("large.txt")), contents.size());
    AllLines();
    reader.AddFileContents(tree.Path("large.txt"));
    ASSERT_EQ(view.lines.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(view.lines[9361], "line 9361");
    EXPECT_EQ(view.lines.back(), "line " + std::to_string(n - 1));
}

TEST_F(Win32FileReaderTest, AFileHeldOpenForWritingEndsTheDropAfterItsFinishingSteps) {
    tree.File("a.txt", "1\r\n2\r\n");
    tree.File("b.txt", "1\r\n");
    tree.File("c.txt", "1\r\n");
    const FileHandle writer(CreateFileA(tree.Path("b.txt").c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                        nullptr));
    ASSERT_TRUE(writer);
    DropHandler handler(state, view, folders, network, reader);
    FakeDroppedNames names({tree.Path("a.txt"), tree.Path("b.txt"), tree.Path("c.txt")});
    bool handled = false;
    try {
        handler.HandleDrop(names, handled);
        ADD_FAILURE() << "the drop ended without an error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), tree.Path("b.txt") + "\r\nI/O エラー (32)");
    }
    EXPECT_EQ(view.lines, (Lines{"         2行:" + tree.Path("a.txt"), "         2行:Ｔｏｔａｌ"}));
    EXPECT_EQ(names.fetched, (std::vector<std::uint32_t>{0, 1}));
    EXPECT_EQ(names.releases, 1);
    EXPECT_TRUE(handled);
    EXPECT_FALSE(state.FBusy);
    EXPECT_TRUE(view.topPanelEnabled);
    EXPECT_EQ(view.panels[2], "");
    EXPECT_EQ(view.panels[3], "");
}

TEST_F(Win32FileReaderTest, OpenForReadingLetsOthersReadButNotWrite) {
    tree.File("shared.txt", "abc");
    const FileReader::OpenResult opened = files.Open(tree.Path("shared.txt"));
    ASSERT_TRUE(opened.file);
    const FileHandle reading(CreateFileA(tree.Path("shared.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(reading);
    const FileHandle writing(CreateFileA(tree.Path("shared.txt").c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                         nullptr));
    EXPECT_FALSE(writing);
    char buffer[8];
    const SequentialFile::ReadResult first = opened.file->Read(buffer, sizeof buffer);
    EXPECT_EQ(Text(buffer, first.bytes), "abc");
    EXPECT_EQ(opened.file->Read(buffer, sizeof buffer).bytes, 0u);
    EXPECT_EQ(files.Open(tree.Path("missing.txt")).error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
