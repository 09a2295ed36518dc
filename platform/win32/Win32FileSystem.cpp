#include "platform/win32/Win32FileSystem.h"

#include <cstring>
#include <utility>

#include "platform/win32/Handles.h"
#include "platform/win32/WideNames.h"
#include "platform/win32/WideText.h"

namespace {

// FILE_ID_INFO and its class, which the headers declare for Windows 8 and later only; earlier systems refuse
// the class.
struct FileIdInfo {
    ULONGLONG volumeSerialNumber;
    BYTE fileId[16];
};
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

// The local time as the file manager shows it: with the daylight-saving rule of the moment itself, not of
// today. zone is null when the system could not tell its time zone; then the current one is asked for.
LocalTime LocalTimeOf(const FILETIME& written, const TIME_ZONE_INFORMATION* zone) {
    SYSTEMTIME utc;
    SYSTEMTIME local;
    if (!FileTimeToSystemTime(&written, &utc) || !SystemTimeToTzSpecificLocalTime(zone, &utc, &local))
        return LocalTime();
    return LocalTime{local.wYear,
                     static_cast<std::uint8_t>(local.wMonth),
                     static_cast<std::uint8_t>(local.wDay),
                     static_cast<std::uint8_t>(local.wHour),
                     static_cast<std::uint8_t>(local.wMinute),
                     static_cast<std::uint8_t>(local.wSecond)};
}

EntryFacts FactsOf(DWORD attributes, DWORD sizeHigh, DWORD sizeLow) {
    EntryFacts facts;
    facts.attributes = attributes;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        facts.size = (static_cast<std::uint64_t>(sizeHigh) << 32) | sizeLow;
    return facts;
}

// Puts a listed name into name, in the storage name already has where the name is ASCII, as most are: a
// listing hands over one name after another into the same entry.
void AssignName(WideView listed, Text& name) {
    name.clear();
    for (const char16_t unit : listed) {
        if (unit >= 0x80) {
            name = WideToText(listed);
            return;
        }
        name += static_cast<char>(unit);
    }
}

class Win32FolderListing : public FolderListing {
public:
    Win32FolderListing(FindHandle find, const WIN32_FIND_DATAW& first, std::uint32_t mask, bool withTimes)
        : find_(std::move(find)), data_(first), mask_(mask), withTimes_(withTimes) {
        // Asked once a listing: converting each entry's time then costs no call into the system.
        if (withTimes_ && GetTimeZoneInformation(&zone_) != TIME_ZONE_ID_INVALID) knownZone_ = &zone_;
    }

    bool Next(FolderEntry& entry) override {
        for (;;) {
            if (pending_) {
                pending_ = false;
            } else if (!FindNextFileW(find_.get(), &data_)) {
                const DWORD error = GetLastError();
                if (error != ERROR_NO_MORE_FILES) failure_ = error;
                return false;
            }
            if (PassesAttributeMask(data_.dwFileAttributes, mask_)) {
                AssignName(NameField(data_.cFileName), entry.name);
                entry.facts = FactsOf(data_.dwFileAttributes, data_.nFileSizeHigh, data_.nFileSizeLow);
                if (withTimes_) entry.facts.written = LocalTimeOf(data_.ftLastWriteTime, knownZone_);
                return true;
            }
        }
    }

    std::uint32_t Failure() const override { return failure_; }

private:
    FindHandle find_;
    WIN32_FIND_DATAW data_;
    std::uint32_t mask_;
    bool withTimes_;
    TIME_ZONE_INFORMATION zone_{};
    const TIME_ZONE_INFORMATION* knownZone_ = nullptr;
    bool pending_ = true;  // data_ still holds the entry that FindFirstFileW found
    std::uint32_t failure_ = 0;
};

}  // namespace

std::uint32_t Win32FileSystem::Attributes(const Text& path) {
    if (!Passable(path)) return FileAttr::Invalid;
    return GetFileAttributesW(WidePath(path).c_str());
}

std::optional<EntryFacts> Win32FileSystem::Facts(const Text& path) {
    if (!Passable(path)) return std::nullopt;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    EntryFacts facts = FactsOf(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow);
    facts.written = LocalTimeOf(data.ftLastWriteTime, nullptr);
    return facts;
}

OpenedListing Win32FileSystem::List(const Text& pattern, std::uint32_t mask, bool withTimes) {
    if (!Passable(pattern)) return {nullptr, ERROR_INVALID_NAME};
    WIN32_FIND_DATAW first;
    FindHandle find(FindFirstFileW(WidePath(pattern).c_str(), &first));
    if (!find) {
        // A folder with no entry at all (a drive's empty root) answers that nothing matched.
        const DWORD error = GetLastError();
        return {nullptr, error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? 0 : error};
    }
    return {std::make_unique<Win32FolderListing>(std::move(find), first, mask, withTimes), 0};
}

Text Win32FileSystem::FullPath(const Text& path) {
    if (!Passable(path)) return Text();
    return FromWide(AbsolutePath(path));
}

Text Win32FileSystem::ShortPath(const Text& path) {
    if (!Passable(path)) return Text();
    const std::wstring wide = WidePath(path);
    const std::wstring shortPath = WholeAnswer(
        [&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(wide.c_str(), buffer, size); });
    return FromWide(WithoutLongPrefix(shortPath));
}

std::optional<FolderId> Win32FileSystem::Identity(const Text& path) {
    if (!Passable(path)) return std::nullopt;
    // No access asked for: only the file information is read. Backup semantics open folders; links are
    // followed to what they lead to.
    const FileHandle file(CreateFileW(WidePath(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return std::nullopt;
    FileIdInfo id;
    if (GetFileInformationByHandleEx(file.get(), kFileIdInfo, &id, sizeof id)) {
        FolderId folder{id.volumeSerialNumber};
        std::memcpy(&folder.low, id.fileId, sizeof folder.low);
        std::memcpy(&folder.high, id.fileId + sizeof folder.low, sizeof folder.high);
        return folder;
    }
    // Where the 128-bit ID is not kept or the system is older than Windows 8: the 64-bit index.
    return FolderId{info.dwVolumeSerialNumber,
                    (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow, 0};
}

Text Win32FileSystem::CodePageForm(const Text& path) {
    // A path the code page holds whole, as nearly every path is, takes one conversion and no look-up.
    std::string bytes;
    if (TextToShiftJis(path, bytes)) return path;
    // A NUL would cut the path that the aliases are asked for: no alias is looked for.
    if (!Passable(path)) {
        ++substitutions_.lossy;
        return TextFromShiftJis(bytes);
    }
    return CodePagePath(Wide(path), substitutions_, counted_);
}

NameSubstitutions Win32FileSystem::TakeSubstitutions() {
    counted_.clear();
    return std::exchange(substitutions_, {});
}
