#include "app/SaveFile.h"

#include <string>

#include "collect/FileContentsReader.h"
#include "platform/FileSystem.h"
#include "text/AppError.h"
#include "text/PathPieces.h"

namespace {

// Temporary names are tried in turn while one is taken (by a save that ended with the machine, say).
constexpr int kTemporaryNames = 100;

// The attributes the new file takes over from the one it replaces: the file stays as hidden from listings as
// it was. Read-only is not among them: such a file is not replaced at all.
constexpr std::uint32_t kKeptAttributes = FileAttr::Hidden | FileAttr::System;

Text TemporaryName(const Text& path, int serial) {
    return PathDirectory(path) + "~rominado-" + std::to_string(serial) + ".tmp";
}

class Failure {
public:
    Failure(const Text& path, bool existed) : path_(path), existed_(existed) {}

    [[noreturn]] void Raise(const Text& what, const Text& reason, const Text& leftOver = Text()) const {
        Text message = what + "\r\n" + reason + "\r\n" +
                       (existed_ ? "元のファイルはそのままです。" : "ファイルは作られていません。");
        if (!leftOver.empty()) message += "\r\n一時ファイル " + leftOver + " を削除できませんでした。";
        throw AppError(message);
    }
    [[noreturn]] void Raise(const Text& what, std::uint32_t code, const Text& leftOver = Text()) const {
        Raise(what, IoErrorText(code), leftOver);
    }

    Text CannotCreate() const { return "ファイル " + path_ + " を作成できません"; }
    Text CannotWrite() const { return "ファイル " + path_ + " に書き込めません"; }
    Text CannotReplace() const { return "ファイル " + path_ + " を置き換えられません"; }

private:
    Text path_;
    bool existed_;
};

}  // namespace

void SaveFile(FileReplacer& files, const Text& path, const std::string& bytes) {
    const std::uint32_t old = files.Attributes(path);
    const bool existed = old != FileAttr::Invalid;
    const Failure failure(path, existed);
    if (existed && (old & FileAttr::Directory)) failure.Raise(failure.CannotCreate(), "フォルダーです");
    if (existed && (old & FileAttr::ReadOnly))
        failure.Raise(failure.CannotReplace(), "読み取り専用のファイルです");

    Text temporary;
    FileReplacer::CreateResult created;
    for (int serial = 1; serial <= kTemporaryNames && !created.file; ++serial) {
        temporary = TemporaryName(path, serial);
        created = files.CreateNew(temporary, existed ? old & kKeptAttributes : 0);
        if (!created.file && created.error != FileReplacer::kFileExists &&
            created.error != FileReplacer::kAlreadyExists)
            failure.Raise(failure.CannotCreate(), created.error);
    }
    if (!created.file) failure.Raise(failure.CannotCreate(), created.error);

    std::uint32_t error = created.file->Write(bytes.data(), bytes.size());
    if (!error) error = created.file->Flush();
    created.file.reset();
    const Text what = error ? failure.CannotWrite() : failure.CannotReplace();
    if (!error) error = files.MoveOver(temporary, path);
    if (error) failure.Raise(what, error, files.Remove(temporary) ? temporary : Text());
}
