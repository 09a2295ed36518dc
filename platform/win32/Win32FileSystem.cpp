#include "platform/win32/Win32FileSystem.h"

#include <cstring>

#include "platform/win32/Handles.h"

namespace {

// The API reads paths up to their first NUL; a Text holding a NUL would name another path.
bool Passable(const Text& path) {
    return path.find('\0') == Text::npos;
}

// Answers of the path calls are the length written, or the size needed when the buffer is too small.
template <typename Call>
Text BoundedAnswer(Call call) {
    char buffer[kPathBufferBytes];
    const DWORD length = call(buffer, static_cast<DWORD>(sizeof buffer));
    if (length == 0 || length >= sizeof buffer) return Text();
    return Text(buffer, length);
}

class Win32FolderListing : public FolderListing {
public:
    Win32FolderListing(FindHandle find, const WIN32_FIND_DATAA& first, std::uint32_t mask)
        : find_(std::move(find)), data_(first), mask_(mask) {}

    bool Next(FolderEntry& entry) override {
        for (;;) {
            if (pending_) {
                pending_ = false;
            } else if (!FindNextFileA(find_.Get(), &data_)) {
                return false;
            }
            if (PassesAttributeMask(data_.dwFileAttributes, mask_)) {
                entry.name.assign(data_.cFileName, strnlen(data_.cFileName, sizeof data_.cFileName));
                entry.attributes = data_.dwFileAttributes;
                return true;
            }
        }
    }

private:
    FindHandle find_;
    WIN32_FIND_DATAA data_;
    std::uint32_t mask_;
    bool pending_ = true;  // data_ still holds the entry that FindFirstFileA found
};

}  // namespace

std::uint32_t Win32FileSystem::Attributes(const Text& path) {
    if (!Passable(path)) return FileAttr::Invalid;
    return GetFileAttributesA(path.c_str());
}

std::unique_ptr<FolderListing> Win32FileSystem::List(const Text& pattern, std::uint32_t mask) {
    if (!Passable(pattern)) return nullptr;
    WIN32_FIND_DATAA first;
    FindHandle find(FindFirstFileA(pattern.c_str(), &first));
    if (!find) return nullptr;
    return std::make_unique<Win32FolderListing>(std::move(find), first, mask);
}

Text Win32FileSystem::FullPath(const Text& path) {
    if (!Passable(path)) return Text();
    return BoundedAnswer(
        [&](char* buffer, DWORD size) { return GetFullPathNameA(path.c_str(), size, buffer, nullptr); });
}

Text Win32FileSystem::ShortPath(const Text& path) {
    if (!Passable(path)) return Text();
    return BoundedAnswer(
        [&](char* buffer, DWORD size) { return GetShortPathNameA(path.c_str(), buffer, size); });
}

std::optional<FolderId> Win32FileSystem::Identity(const Text& path) {
    if (!Passable(path)) return std::nullopt;
    // No access asked for: only the file information is read. Backup semantics open folders; links are
    // followed to what they lead to.
    const FileHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return std::nullopt;
    return FolderId{info.dwVolumeSerialNumber,
                    (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}
