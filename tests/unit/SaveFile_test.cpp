#include "app/SaveFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "tests/fakes/FakeFileReplacer.h"
#include "text/AppError.h"

namespace {

const Text kTarget = "C:\\d\\a.txt";
const Text kTemporary = "C:\\d\\~rominado-1.tmp";
const Text kNew = "new bytes";
const Text kKept = "\r\n元のファイルはそのままです。";
const Text kNone = "\r\nファイルは作られていません。";
constexpr std::uint32_t kHiddenSystem = FileAttr::Hidden | FileAttr::System;

// What the disk holds: each path's bytes and attributes.
using Disk = std::map<Text, std::pair<std::string, std::uint32_t>>;

struct Row {
    const char* name;
    Disk before;
    std::function<void(FakeFileReplacer&)> inject;
    Disk after;
    Text told;  // the error's text; empty when the save succeeds
};

TEST(SaveFile, TheOldFileStaysUntilTheNewOneIsWhole) {
    const std::uint32_t a = FileAttr::Archive;
    const Disk old = {{kTarget, {"old", a}}};
    const Disk saved = {{kTarget, {kNew, a}}};
    const Row rows[] = {
        {"new file", {}, nullptr, saved, ""},
        {"replaced", old, nullptr, saved, ""},
        {"hidden and system kept",
         {{kTarget, {"old", a | kHiddenSystem}}},
         nullptr,
         {{kTarget, {kNew, a | kHiddenSystem}}},
         ""},
        {"temporary name taken",
         {{kTemporary, {"other", a}}},
         nullptr,
         {{kTemporary, {"other", a}}, {kTarget, {kNew, a}}},
         ""},
        {"disk full mid-write", old, [](FakeFileReplacer& f) { f.room = 3; }, old,
         "ファイル " + kTarget + " に書き込めません\r\nディスクの空き領域が足りません" + kKept},
        {"disk full, no old file",
         {},
         [](FakeFileReplacer& f) { f.room = 0; },
         {},
         "ファイル " + kTarget + " に書き込めません\r\nディスクの空き領域が足りません" + kNone},
        {"flush fails", old, [](FakeFileReplacer& f) { f.flushError = 1117; }, old,
         "ファイル " + kTarget + " に書き込めません\r\nI/O エラー (1117)" + kKept},
        {"replace refused", old, [](FakeFileReplacer& f) { f.moveError = 5; }, old,
         "ファイル " + kTarget + " を置き換えられません\r\nファイルへのアクセスが拒否されました" + kKept},
        {"folder not writable", old, [](FakeFileReplacer& f) { f.createError = 5; }, old,
         "ファイル " + kTarget + " を作成できません\r\nファイルへのアクセスが拒否されました" + kKept},
        {"read-only",
         {{kTarget, {"old", a | FileAttr::ReadOnly}}},
         nullptr,
         {{kTarget, {"old", a | FileAttr::ReadOnly}}},
         "ファイル " + kTarget + " を置き換えられません\r\n読み取り専用のファイルです" + kKept},
    };
    for (const Row& row : rows) {
        FakeFileReplacer disk;
        for (const auto& [path, file] : row.before)
            disk.files[path] = {file.first, file.second};
        if (row.inject) row.inject(disk);
        Text told;
        try {
            SaveFile(disk, kTarget, kNew);
        } catch (const AppError& error) {
            told = error.Message();
        }
        EXPECT_EQ(told, row.told) << row.name;
        Disk after;
        for (const auto& [path, file] : disk.files)
            after[path] = {file.bytes, file.attributes};
        EXPECT_EQ(after, row.after) << row.name;
    }
}

}  // namespace
