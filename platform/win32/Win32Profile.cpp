#include "platform/win32/Win32Profile.h"

#include <windows.h>

#include <optional>
#include <string>

#include "platform/ProfileFile.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideNames.h"

namespace {

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

// The file's bytes: empty for a file that does not exist, nullopt for one that cannot be read.
std::optional<std::string> FileBytes(const std::wstring& path) {
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return std::string();
        return std::nullopt;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
                      nullptr))
            return std::nullopt;
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

// Writes bytes to a new file at path, flushed to the disk; false (and no file left) when it cannot.
bool WriteNewFile(const std::wstring& path, const std::string& bytes, DWORD attributes) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const bool whole =
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file.get());
    file.reset();
    if (!whole) DeleteFileW(path.c_str());
    return whole;
}

}  // namespace

Text Win32Profile::Read(const Text& path, const Text& section, const Text& key, const Text& fallback) {
    const std::optional<std::string> bytes = FileBytes(WidePath(path));
    if (!bytes) return fallback;
    return ProfileFile(*bytes).Value(section, key).value_or(fallback);
}

bool Win32Profile::Write(const Text& path, const std::vector<ProfileValue>& values) {
    const std::wstring file = WidePath(path);
    // Windows refuses to replace a read-only file; Wine run by an administrator would replace it all the
    // same.
    const DWORD attributes = Attributes(file);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::optional<std::string> bytes = FileBytes(file);
    if (!bytes) return false;
    ProfileFile profile(*bytes);
    for (const ProfileValue& v : values)
        if (!profile.Set(v.section, v.key, v.value)) return false;

    // Beside the file, so that the move stays on its volume; named for this process, so that two programs
    // closing at once do not write into each other's copy.
    const std::wstring fresh = file + L"." + std::to_wstring(GetCurrentProcessId()) + L".new";
    const DWORD kept =
        attributes == INVALID_FILE_ATTRIBUTES
            ? FILE_ATTRIBUTE_NORMAL
            : attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    if (!WriteNewFile(fresh, profile.Bytes(), kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept)) return false;
    if (MoveFileExW(fresh.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(fresh.c_str());
    return false;
}

bool Win32Profile::FileExists(const Text& path) {
    const DWORD attributes = Attributes(WidePath(path));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Profile::CreateFolder(const Text& path) {
    const std::wstring folder = WidePath(path);
    if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
    const DWORD attributes = Attributes(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
