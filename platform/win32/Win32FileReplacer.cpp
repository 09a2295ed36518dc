#include "platform/win32/Win32FileReplacer.h"

#include <windows.h>

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideNames.h"

namespace {

class Win32NewFile : public NewFile {
public:
    explicit Win32NewFile(FileHandle file) : file_(std::move(file)) {}

    std::uint32_t Write(const char* bytes, std::size_t count) override {
        while (count > 0) {
            // WriteFile takes at most 4 GiB - 1 a call.
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
            DWORD done = 0;
            if (!WriteFile(file_.get(), bytes, chunk, &done, nullptr)) return GetLastError();
            // A disk file takes all or reports why not; a short write without a reason is a full disk.
            if (done == 0) return ERROR_HANDLE_DISK_FULL;
            bytes += done;
            count -= done;
        }
        return 0;
    }

    std::uint32_t Flush() override { return FlushFileBuffers(file_.get()) ? 0 : GetLastError(); }

private:
    FileHandle file_;
};

}  // namespace

std::uint32_t Win32FileReplacer::Attributes(const Text& path) {
    if (!Passable(path)) return FileAttr::Invalid;
    return GetFileAttributesW(WidePath(path).c_str());
}

FileReplacer::CreateResult Win32FileReplacer::CreateNew(const Text& path, std::uint32_t attributes) {
    if (!Passable(path)) return {nullptr, ERROR_INVALID_NAME};
    const DWORD flags = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                flags ? flags : FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {nullptr, GetLastError()};
    return {std::make_unique<Win32NewFile>(std::move(file)), 0};
}

std::uint32_t Win32FileReplacer::MoveOver(const Text& source, const Text& target) {
    if (!Passable(source) || !Passable(target)) return ERROR_INVALID_NAME;
    return MoveFileExW(WidePath(source).c_str(), WidePath(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : GetLastError();
}

std::uint32_t Win32FileReplacer::Remove(const Text& path) {
    if (!Passable(path)) return ERROR_INVALID_NAME;
    return DeleteFileW(WidePath(path).c_str()) ? 0 : GetLastError();
}
