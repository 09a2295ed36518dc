// Names the code page cannot hold and paths past the classic limit, made with the wide API, through the real
// services: every line names an existing entry by its true name, one line per entry, never a "?" stand-in;
// with the code page names option by its alias, and the user is told.
#include "platform/win32/WideNames.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

#include "app/StartArguments.h"
#include "collect/CommandLine.h"
#include "collect/DropHandler.h"
#include "collect/FileContentsReader.h"
#include "platform/win32/DropNames.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32NameLookup.h"
#include "platform/win32/Win32Network.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/fakes/RecordingView.h"
#include "tests/win32/TempTree.h"
#include "text/PathPieces.h"

namespace {

using Lines = std::vector<Text>;
using Key = std::pair<DWORD, ULONGLONG>;

// Korean, accented Latin, an emoji (a surrogate pair), CJK characters outside JIS: none in the code page.
const std::wstring kKorean = L"한국어";
const std::wstring kAccented = L"café.txt";
const std::wstring kEmoji = L"note😀.txt";
const std::wstring kOutsideJis = L"𠀋丂.txt";

TEST(Win32CodePage, NeverABestFitLookAlike) {
    struct Case {
        std::wstring wide;
        Text bytes;
        bool exact;
    };
    const Case cases[] = {
        {L"表ｶﾅ.txt", "\x95\x5C\xB6\xC5.txt", true},
        {kAccented, "caf?.txt", false},
        // The yen sign's look-alike would be the backslash: a separator inside a name.
        {L"a¥b", "a?b", false},
        // Each half of a surrogate pair is a character of its own here.
        {kEmoji, "note??.txt", false},
        {kOutsideJis, "???.txt", false},
        {kKorean, "???", false},
    };
    Win32CodePage codePage;
    for (const Case& c : cases) {
        Text bytes;
        EXPECT_EQ(codePage.ToAnsi(AsWideView(c.wide), bytes), c.exact) << c.bytes;
        EXPECT_EQ(bytes, c.bytes);
    }
}

class WideTreeTest : public ::testing::Test {
protected:
    WideTreeTest() {
        tree.FolderW(kKorean);
        tree.FileW(kKorean + L"\\inner.txt", "k");
        tree.FileW(kAccented, "c");
        tree.FileW(kEmoji, "e");
        tree.FileW(kOutsideJis, "j");
        tree.FileW(L"表.txt", "h");
        // Names the classic rules would strip.
        tree.FileW(L"dot.", "d");
        tree.FileW(L"space ", "s");
        // Files 300 and 1,000 bytes deep.
        std::wstring deep = L"deep";
        tree.FolderW(deep);
        while (Bytes(deep) < 300 - 20) {
            deep += L"\\" + std::wstring(60, L'm');
            tree.FolderW(deep);
        }
        deep300 = deep + L"\\f300.txt";
        tree.FileW(deep300, "300");
        while (Bytes(deep) < 1000 - 20) {
            deep += L"\\" + std::wstring(60, L'n');
            tree.FolderW(deep);
        }
        deep1000 = deep + L"\\f1000.txt";
        tree.FileW(deep1000, "1000");
        view.options.recurse = true;
    }

    // The length of a path below the root as code page 932 bytes.
    std::size_t Bytes(const std::wstring& relative) const { return tree.Root().size() + 1 + relative.size(); }

    // Every entry of the tree, the root included, as the file system identifies it.
    std::set<Key> Entries() const {
        std::set<Key> keys{KeyOf(tree.WideRoot())};
        AddEntries(tree.WideRoot(), keys);
        return keys;
    }

    static void AddEntries(const std::wstring& folder, std::set<Key>& keys) {
        WIN32_FIND_DATAW data;
        const FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
        if (!find) return;
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            keys.insert(KeyOf(folder + L"\\" + name));
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) AddEntries(folder + L"\\" + name, keys);
        } while (FindNextFileW(find.get(), &data));
    }

    static Key KeyOf(const std::wstring& path) {
        const FileHandle file(CreateFileW(path.c_str(), 0,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        BY_HANDLE_FILE_INFORMATION info{};
        if (!file || !GetFileInformationByHandle(file.get(), &info)) return {0, 0};
        return {info.dwVolumeSerialNumber,
                (static_cast<ULONGLONG>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    }

    // The entry a line names, asked in the long form so that no classic rule changes the line.
    static Key KeyOfLine(const Text& line) { return KeyOf(L"\\\\?\\" + Wide(line)); }

    Lines Drop(bool OptionSnapshot::*mode) {
        view.options.fullPath = false;
        view.options.*mode = true;
        view.lines.clear();
        view.calls.clear();
        FakeDroppedNames names({tree.Root()});
        bool handled = false;
        handler.HandleDrop(names, handled);
        return view.lines;
    }

    // The entries the lines name.
    static std::set<Key> Named(const Lines& lines) {
        std::set<Key> named;
        for (const Text& line : lines)
            named.insert(KeyOfLine(line));
        return named;
    }

    static bool HasStandIn(const Lines& lines) {
        return std::any_of(lines.begin(), lines.end(),
                           [](const Text& l) { return l.find('?') != Text::npos; });
    }

    TempTree tree;
    std::wstring deep300;
    std::wstring deep1000;
    Win32FileSystem files;
    Win32FileReader fileReader;
    Win32Network network;
    Win32Collation locale{LetterCase::kIgnored};
    RecordingView view;
    DropState state{locale};
    FileContentsReader reader{state, view, fileReader};
    OutputOptions output;
    DropHandler handler{state, view, files, network, reader, output};
};

TEST_F(WideTreeTest, FullPathsOneLinePerEntryEachNamingItByItsTrueName) {
    const Lines lines = Drop(&OptionSnapshot::fullPath);
    const std::set<Key> entries = Entries();
    EXPECT_EQ(lines.size(), entries.size());
    EXPECT_EQ(Named(lines), entries);
    EXPECT_FALSE(HasStandIn(lines));
    for (const std::wstring& name : {kKorean, kAccented, kEmoji, kOutsideJis})
        EXPECT_EQ(std::count(lines.begin(), lines.end(), tree.Root() + "\\" + FromWide(name)), 1);
    EXPECT_TRUE(view.CallsStartingWith("message").empty());
}

// The option gives the lines as before: whole however long, a name the code page cannot hold by its alias,
// a path the ANSI API opens, and the user is told.
TEST_F(WideTreeTest, FullPathsWithTheCodePageNamesOptionByTheirAliasesAndTheUserIsTold) {
    output.codePageNames = true;
    const Lines lines = Drop(&OptionSnapshot::fullPath);
    const std::set<Key> entries = Entries();
    EXPECT_EQ(lines.size(), entries.size());
    EXPECT_EQ(Named(lines), entries);
    EXPECT_FALSE(HasStandIn(lines));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const Text& l) { return l.size() > 1000; }));
    for (const Text& line : lines) {
        std::string bytes;
        EXPECT_TRUE(TextToShiftJis(line, bytes)) << line;
        if (bytes.size() < MAX_PATH && line.back() != '.' && line.back() != ' ') {
            EXPECT_NE(GetFileAttributesA(bytes.c_str()), INVALID_FILE_ATTRIBUTES) << line;
        }
    }
    // The Korean folder and the three files: each once, by its alias.
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message " + SubstitutionNotice({4, 0})}));
    EXPECT_FALSE(files.TakeSubstitutions().Any());
}

TEST_F(WideTreeTest, NameShortAndNetworkModesNameTheSameEntries) {
    const Lines full = Drop(&OptionSnapshot::fullPath);
    std::set<Text> names;
    for (const Text& line : full)
        names.insert(PathFileName(line));
    const Lines onlyNames = Drop(&OptionSnapshot::nameOnly);
    EXPECT_EQ(std::set<Text>(onlyNames.begin(), onlyNames.end()), names);
    EXPECT_FALSE(HasStandIn(onlyNames));

    // On a local drive the network form is the absolute path, the same lines as the full paths.
    view.options.nameOnly = false;
    EXPECT_EQ(Drop(&OptionSnapshot::networkPath), full);

    view.options.networkPath = false;
    const Lines shortForms = Drop(&OptionSnapshot::shortPath);
    EXPECT_EQ(Named(shortForms), Entries());
    EXPECT_FALSE(HasStandIn(shortForms));
}

TEST_F(WideTreeTest, ContentsAndCountsReadEveryFileDeepAndDottedIncluded) {
    view.options.countLines = false;
    view.options.allLines = true;
    const Lines all = Drop(&OptionSnapshot::contents);
    EXPECT_EQ(std::multiset<Text>(all.begin(), all.end()),
              (std::multiset<Text>{"k", "c", "e", "j", "h", "d", "s", "300", "1000"}));

    view.options.allLines = false;
    view.options.countLines = true;
    const Lines counts = Drop(&OptionSnapshot::contents);
    ASSERT_EQ(counts.size(), 10u);
    EXPECT_EQ(counts.back(), "         9行:Ｔｏｔａｌ");
    const Text one = "         1行:";
    for (std::size_t i = 0; i + 1 < counts.size(); ++i) {
        EXPECT_EQ(counts[i].compare(0, one.size(), one), 0) << counts[i];
        EXPECT_NE(KeyOfLine(counts[i].substr(one.size())), Key(0, 0)) << counts[i];
    }
}

TEST_F(WideTreeTest, DroppedNamesComeWholeByTheirTrueNames) {
    const std::vector<std::wstring> dropped = {tree.WidePath(kAccented), tree.WidePath(deep1000)};
    // As the shell hands them over: wide names after a DROPFILES header, ended by an empty one.
    std::wstring list;
    for (const std::wstring& name : dropped)
        list += WithoutLongPrefix(name) + L'\0';
    list += L'\0';
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * 2);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, list.data(), list.size() * 2);
    GlobalUnlock(memory);

    HDropNames names(static_cast<HDROP>(memory));
    ASSERT_EQ(names.Count(), 2u);
    const Text accented = names.Name(0);
    const Text deep = names.Name(1);
    EXPECT_EQ(accented, FromWide(WithoutLongPrefix(dropped[0])));
    EXPECT_EQ(KeyOfLine(accented), KeyOf(dropped[0]));
    EXPECT_GT(deep.size(), 1000u);
    EXPECT_EQ(KeyOfLine(deep), KeyOf(dropped[1]));
    names.Release();
}

TEST_F(WideTreeTest, CommandLineArgumentsByTheirTrueNamesOrWithTheOptionByAlias) {
    const std::wstring inner = WithoutLongPrefix(tree.WidePath(kKorean + L"\\inner.txt"));
    const std::wstring deep = WithoutLongPrefix(tree.WidePath(deep1000));
    const Lines arguments = StartArguments(L"\"C:\\prog.exe\" \"" + inner + L"\" " + deep);
    ASSERT_EQ(arguments.size(), 2u);
    EXPECT_EQ(arguments[0], FromWide(inner));
    EXPECT_EQ(arguments[1], FromWide(deep));

    Win32NameLookup lookup;
    Win32FileSystem files;
    RunCommandLineMode(arguments, lookup, files, view, {});
    EXPECT_EQ(view.lines, arguments);
    EXPECT_TRUE(view.CallsStartingWith("message").empty());

    RecordingView optioned;
    output.codePageNames = true;
    RunCommandLineMode(arguments, lookup, files, optioned, output);
    ASSERT_EQ(optioned.lines.size(), 2u);
    EXPECT_EQ(KeyOfLine(optioned.lines[0]), KeyOf(L"\\\\?\\" + inner));
    EXPECT_EQ(optioned.lines[0].find('?'), Text::npos);
    EXPECT_EQ(optioned.lines[1], arguments[1]);
    // The Korean folder, given by its alias.
    EXPECT_EQ(optioned.CallsStartingWith("message"), (Lines{"message " + SubstitutionNotice({1, 0})}));
}

// The names users meet most: a wave dash (U+301C, which code page 932 lacks), a decomposed パ, Korean, an
// accented letter and an emoji. Listed and dropped they come true; with the option each by its alias.
TEST(WideNames, FiveNamesComeTrueAndWithTheOptionAsBefore) {
    const std::wstring names[] = {L"あ\u301Cい.txt", L"\u30CF\u309Aソコン.txt", L"한국어.txt", L"café.txt",
                                  L"😀.txt"};
    TempTree tree;
    std::set<Text> expected;
    for (const std::wstring& name : names) {
        tree.FileW(name, "x");
        expected.insert(tree.Root() + "\\" + FromWide(name));
    }
    Win32FileSystem files;
    Win32FileReader fileReader;
    Win32Network network;
    Win32Collation locale{LetterCase::kIgnored};
    RecordingView view;
    view.options.recurse = true;
    DropState state{locale};
    FileContentsReader reader{state, view, fileReader};
    OutputOptions output;
    DropHandler handler{state, view, files, network, reader, output};
    const auto drop = [&] {
        view.lines.clear();
        view.calls.clear();
        FakeDroppedNames dropped({tree.Root()});
        bool handled = false;
        handler.HandleDrop(dropped, handled);
        std::set<Text> listed(view.lines.begin(), view.lines.end());
        listed.erase(tree.Root());
        return listed;
    };
    EXPECT_EQ(drop(), expected);
    EXPECT_TRUE(view.CallsStartingWith("message").empty());

    output.codePageNames = true;
    const std::set<Text> aliased = drop();
    EXPECT_EQ(aliased.size(), expected.size());
    for (const Text& line : aliased) {
        EXPECT_EQ(line.find('?'), Text::npos) << line;
        EXPECT_NE(GetFileAttributesW(Wide(line).c_str()), INVALID_FILE_ATTRIBUTES) << line;
    }
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message " + SubstitutionNotice({5, 0})}));
}

TEST(TempTreeRemoval, DeepAndWideNamesGoWithTheTree) {
    std::wstring root;
    {
        TempTree tree;
        tree.FolderW(kKorean);
        tree.FileW(kKorean + L"\\" + kEmoji);
        std::wstring deep = kKorean;
        for (int i = 0; i < 6; ++i) {
            deep += L"\\" + std::wstring(60, L'q');
            tree.FolderW(deep);
        }
        tree.FileW(deep + L"\\dot.");
        root = tree.WideRoot();
    }
    EXPECT_EQ(GetFileAttributesW(root.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
