#include "platform/win32/Win32FileReader.h"

#include <algorithm>

#include "platform/win32/Handles.h"
#include "platform/win32/WideNames.h"

namespace {

class Win32SequentialFile : public SequentialFile {
public:
    explicit Win32SequentialFile(FileHandle file) : file_(std::move(file)) {}

    ReadResult Read(char* buffer, std::size_t capacity) override {
        const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(capacity, 0x40000000));
        DWORD got = 0;
        // A failed read is a failure whatever its code, 0 included, never the end of the file.
        if (!ReadFile(file_.get(), buffer, asked, &got, nullptr)) return {0, true, GetLastError()};
        return {got, false, 0};
    }

private:
    FileHandle file_;
};

}  // namespace

bool Win32FileReader::Exists(const Text& path) {
    if (!Passable(path)) return false;
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<EntryFacts> Win32FileReader::PlainFileFacts(const Text& path) {
    if (!Passable(path)) return std::nullopt;
    constexpr DWORD excluded = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    WIN32_FIND_DATAW data;
    const FindHandle find(FindFirstFileW(WidePath(path).c_str(), &data));
    if (!find) return std::nullopt;
    do {
        if ((data.dwFileAttributes & excluded) == 0) {
            EntryFacts facts;
            facts.attributes = data.dwFileAttributes;
            facts.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
            return facts;
        }
    } while (FindNextFileW(find.get(), &data));
    return std::nullopt;
}

FileReader::OpenResult Win32FileReader::Open(const Text& path) {
    if (!Passable(path)) return {nullptr, ERROR_INVALID_NAME};
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return {nullptr, GetLastError()};
    // A serial port waits in ReadFile for bytes that may never come, the console for keys, NUL gives nothing:
    // whatever the name, only a disk file is read. A type that cannot be told (FILE_TYPE_UNKNOWN) is no disk.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return {nullptr, 0, true};
    return {std::make_unique<Win32SequentialFile>(std::move(file)), 0};
}
