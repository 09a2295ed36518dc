#include "platform/win32/Win32Network.h"

#include <windows.h>

#include <winnetwk.h>

#include <cstddef>
#include <cwchar>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/WideText.h"

namespace {

// The network provider's functions. MPR.dll is none of the system's known DLLs: imported, it would be looked
// for in the program's folder first, where a web page may have dropped one. It is loaded from the system
// folder when the network is first asked, and stays until the program ends.
class Mpr {
public:
    // The functions; null when the system folder holds no MPR.dll or it lacks one of them.
    static const Mpr* Functions() {
        static const Mpr loaded;
        return loaded.complete_ ? &loaded : nullptr;
    }

    decltype(&WNetGetUniversalNameW) getUniversalName = nullptr;
    decltype(&WNetOpenEnumW) openEnum = nullptr;
    decltype(&WNetEnumResourceW) enumResource = nullptr;
    decltype(&WNetCloseEnum) closeEnum = nullptr;

private:
    Mpr() : module_(LoadSystemLibrary(L"mpr.dll")) {
        complete_ = module_ && Find(getUniversalName, "WNetGetUniversalNameW") &&
                    Find(openEnum, "WNetOpenEnumW") && Find(enumResource, "WNetEnumResourceW") &&
                    Find(closeEnum, "WNetCloseEnum");
    }

    template <typename Function>
    bool Find(Function& function, const char* name) {
        function = LibraryFunction<Function>(module_.get(), name);
        return function != nullptr;
    }

    ModuleHandle module_;
    bool complete_ = false;
};

constexpr DWORD kUniversalNameBuffer = 1024;

// A string that the provider placed inside buffer [begin, end): its units up to the NUL. Pointers outside the
// buffer, or a string without its NUL inside it, give nothing.
std::optional<Text> StringIn(const wchar_t* s, const wchar_t* begin, const wchar_t* end) {
    if (s == nullptr || s < begin || s >= end) return std::nullopt;
    const std::size_t room = static_cast<std::size_t>(end - s);
    const std::size_t length = wcsnlen(s, room);
    if (length == room) return std::nullopt;
    return FromWide(s, length);
}

class Win32ConnectionListing : public ConnectionListing {
public:
    explicit Win32ConnectionListing(NetEnumHandle handle) : handle_(std::move(handle)) {}

    EnumAnswer Next(std::uint32_t bufferBytes, std::vector<NetConnection>& entries,
                    std::uint32_t& neededBytes) override {
        // max_align_t storage keeps the NETRESOURCEW records the provider writes at the front aligned.
        std::vector<std::max_align_t> storage((bufferBytes + sizeof(std::max_align_t) - 1) /
                                              sizeof(std::max_align_t));
        DWORD count = 0xFFFFFFFF;
        DWORD size = bufferBytes;
        const DWORD answer = Mpr::Functions()->enumResource(handle_.get(), &count, storage.data(), &size);
        if (answer == ERROR_MORE_DATA) {
            neededBytes = size;
            return EnumAnswer::MoreData;
        }
        if (answer != NO_ERROR) return EnumAnswer::Finished;
        const auto* begin = reinterpret_cast<const wchar_t*>(storage.data());
        const wchar_t* end = begin + bufferBytes / sizeof(wchar_t);
        const auto* records = reinterpret_cast<const NETRESOURCEW*>(storage.data());
        const DWORD fits = static_cast<DWORD>(bufferBytes / sizeof(NETRESOURCEW));
        entries.clear();
        for (DWORD i = 0; i < count && i < fits; ++i) {
            entries.push_back({StringIn(records[i].lpLocalName, begin, end).value_or(Text()),
                               StringIn(records[i].lpRemoteName, begin, end).value_or(Text())});
        }
        return EnumAnswer::Entries;
    }

private:
    NetEnumHandle handle_;
};

}  // namespace

void CloseNetEnum(HANDLE enumeration) {
    Mpr::Functions()->closeEnum(enumeration);
}

Win32Network::Win32Network() {
    // The platform does not change while the program runs; one query serves every path.
    const DWORD v = GetVersion();
    version_.ntFamily = (v & 0x80000000u) == 0;
    version_.major = v & 0xFFu;
}

std::optional<Text> Win32Network::UniversalName(const Text& path) {
    const Mpr* mpr = Mpr::Functions();
    if (!mpr || path.find('\0') != Text::npos) return std::nullopt;
    const std::wstring wide = Wide(path);
    // A long path's answer may not fit the first buffer; the provider then says how much it needs.
    std::vector<std::max_align_t> storage(kUniversalNameBuffer / sizeof(std::max_align_t));
    DWORD size = kUniversalNameBuffer;
    DWORD answer = mpr->getUniversalName(wide.c_str(), UNIVERSAL_NAME_INFO_LEVEL, storage.data(), &size);
    if (answer == ERROR_MORE_DATA && size > storage.size() * sizeof(std::max_align_t)) {
        storage.resize((size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
        size = static_cast<DWORD>(storage.size() * sizeof(std::max_align_t));
        answer = mpr->getUniversalName(wide.c_str(), UNIVERSAL_NAME_INFO_LEVEL, storage.data(), &size);
    }
    if (answer != NO_ERROR) return std::nullopt;
    const auto* info = reinterpret_cast<const UNIVERSAL_NAME_INFOW*>(storage.data());
    const auto* begin = reinterpret_cast<const wchar_t*>(storage.data());
    const wchar_t* name = info->lpUniversalName;
    const wchar_t* end = begin + storage.size() * sizeof(std::max_align_t) / sizeof(wchar_t);
    if (name == nullptr || name < begin || name >= end) return std::nullopt;
    const std::size_t room = static_cast<std::size_t>(end - name);
    const std::size_t length = wcsnlen(name, room);
    if (length == room) return std::nullopt;
    return FromWide(name, length);
}

std::unique_ptr<ConnectionListing> Win32Network::OpenConnectedDisks() {
    const Mpr* mpr = Mpr::Functions();
    HANDLE raw = nullptr;
    if (!mpr || mpr->openEnum(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr, &raw) != NO_ERROR)
        return nullptr;
    return std::make_unique<Win32ConnectionListing>(NetEnumHandle(raw));
}
