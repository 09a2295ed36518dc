// The contents reader over real files: attributes, files held open by other programs, devices, blocks of a
// large file.
#include "platform/win32/Win32FileReader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Encoding.h"

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
        view.options.fullPath = false;
        view.options.contents = true;
    }

    void AllLines() {
        view.options.countLines = false;
        view.options.allLines = true;
    }

    TempTree tree;
    Win32FileReader files;
    FileContentsReader reader{state, view, files};
};

TEST_F(Win32FileReaderTest, ReadsAFileInBothModes) {
    std::string bytes;
    TextToShiftJis("表\r\nソ\rx\ny\x1Az\r\n", bytes);
    tree.File("表.txt", bytes);
    AllLines();
    reader.AddFileContents(tree.Path("表.txt"));
    EXPECT_EQ(view.lines, (Lines{"表", "ソ", "x\ny"}));
    view.options.countLines = true;
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
    EXPECT_FALSE(files.PlainFileFacts(tree.Path("hidden.txt")));
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
    ASSERT_TRUE(files.PlainFileFacts(tree.Path("large.txt")));
    EXPECT_EQ(files.PlainFileFacts(tree.Path("large.txt"))->size, contents.size());
    AllLines();
    reader.AddFileContents(tree.Path("large.txt"));
    ASSERT_EQ(view.lines.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(view.lines[9361], "line 9361");
    EXPECT_EQ(view.lines.back(), "line " + std::to_string(n - 1));
}

// A log held open for writing (sharing reading and writing) is read; a file another program holds without
// sharing reading ends the drop, after its finishing steps, naming the other program's hold.
TEST_F(Win32FileReaderTest, AFileHeldWithoutSharingEndsTheDropAfterItsFinishingSteps) {
    tree.File("a.txt", "1\r\n2\r\n");
    tree.File("b.txt", "1\r\n");
    tree.File("c.txt", "1\r\n");
    tree.File("d.txt", "1\r\n");
    const FileHandle log(CreateFileA(tree.Path("b.txt").c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    const FileHandle exclusive(
        CreateFileA(tree.Path("c.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(log);
    ASSERT_TRUE(exclusive);
    DropHandler handler(state, view, folders, network, reader);
    FakeDroppedNames names({tree.Path("a.txt"), tree.Path("b.txt"), tree.Path("c.txt"), tree.Path("d.txt")});
    bool handled = false;
    try {
        handler.HandleDrop(names, handled);
        ADD_FAILURE() << "the drop ended without an error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), tree.Path("c.txt") + "\r\nほかのプログラムがファイルを使用中のため開けません");
    }
    EXPECT_EQ(view.lines, (Lines{"         2行:" + tree.Path("a.txt"), "         1行:" + tree.Path("b.txt"),
                                 "         3行:Ｔｏｔａｌ"}));
    EXPECT_EQ(names.fetched, (std::vector<std::uint32_t>{0, 1, 2}));
    EXPECT_EQ(names.releases, 1);
    EXPECT_TRUE(handled);
    EXPECT_FALSE(state.FBusy);
    EXPECT_TRUE(view.topPanelEnabled);
    EXPECT_EQ(view.panels[2], "");
    EXPECT_EQ(view.panels[3], "");
}

TEST_F(Win32FileReaderTest, OpenForReadingLetsOthersReadWriteAndDelete) {
    tree.File("shared.txt", "abc");
    const FileReader::OpenResult opened = files.Open(tree.Path("shared.txt"));
    ASSERT_TRUE(opened.file);
    const FileHandle writing(CreateFileA(tree.Path("shared.txt").c_str(), GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(writing);
    EXPECT_TRUE(DeleteFileA(tree.Path("shared.txt").c_str()));
    char buffer[8];
    const SequentialFile::ReadResult first = opened.file->Read(buffer, sizeof buffer);
    EXPECT_EQ(Text(buffer, first.bytes), "abc");
    EXPECT_EQ(opened.file->Read(buffer, sizeof buffer).bytes, 0u);
    EXPECT_EQ(files.Open(tree.Path("missing.txt")).error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

// Whatever the name, a handle that is no disk file is closed unread: the NUL device, and a pipe.
TEST_F(Win32FileReaderTest, DevicesAndPipesAreRefusedUnread) {
    const FileReader::OpenResult device = files.Open("\\\\.\\NUL");
    EXPECT_FALSE(device.file);
    EXPECT_TRUE(device.notDiskFile);
    EXPECT_EQ(device.error, 0u);

    const Text pipeName = "\\\\.\\pipe\\rominado-reader-test-" + std::to_string(GetCurrentProcessId());
    const FileHandle server(
        CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 64, 64, 0, nullptr));
    ASSERT_TRUE(server);
    const FileReader::OpenResult pipe = files.Open(pipeName);
    EXPECT_FALSE(pipe.file);
    EXPECT_TRUE(pipe.notDiskFile);

    tree.File("plain.txt", "a");
    EXPECT_FALSE(files.Open(tree.Path("plain.txt")).notDiskFile);
}

}  // namespace
