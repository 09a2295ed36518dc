#include "bench/BenchFiles.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Encoding.h"
#include "platform/win32/Handles.h"

namespace {

bool WriteAll(HANDLE file, const Text& bytes) {
    DWORD done = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
           done == bytes.size();
}

// The marker beside a made file holds its line count; a file without one was cut short and is made again.
long long ReadMarker(const Text& marker) {
    const FileHandle old{
        CreateFileA(marker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)};
    if (!old) return -1;
    char digits[32] = {};
    DWORD got = 0;
    ReadFile(old.get(), digits, sizeof digits - 1, &got, nullptr);
    return std::atoll(digits);
}

bool WriteMarker(const Text& marker, long long value) {
    const FileHandle file(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return file && WriteAll(file.get(), std::to_string(value));
}

// Lines as the file holds them in encoding.
Text Encoded(const Text& text, LinesEncoding encoding) {
    std::string bytes;
    switch (encoding) {
        case LinesEncoding::ShiftJis:
            TextToShiftJis(text, bytes);
            return bytes;
        case LinesEncoding::Utf8:
            return text;
        case LinesEncoding::Utf16:
            break;
    }
    const WideText wide = TextToWide(text);
    bytes.resize(wide.size() * 2);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        bytes[2 * i] = static_cast<char>(wide[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(wide[i] >> 8);
    }
    return bytes;
}

}  // namespace

long long MakeLinesFile(const Text& path, std::uint64_t maxBytes, long long maxLines,
                        LinesEncoding encoding) {
    const Text marker = path + ".lines";
    const long long made = ReadMarker(marker);
    if (made >= 0) return made;
    std::printf("making %s ...\n", path.c_str());
    std::fflush(stdout);
    const FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return -1;
    static const char* const kWords[] = {"表計算", "ソフト", "能力", "予定表",
                                         "資料",   "text",   "line", "data"};
    Text chunk = encoding == LinesEncoding::Utf16 ? "\xFF\xFE" : "";
    std::uint64_t written = 0;
    long long lines = 0;
    unsigned seed = 12345;
    while (written + chunk.size() < maxBytes && lines < maxLines) {
        seed = seed * 1103515245 + 12345;
        const unsigned length = (seed >> 16) % 121;
        Text line;
        if (length % 17 == 0) {
            line = Text(length % 5, ' ');
        } else {
            for (unsigned pick = seed; line.size() < length;) {
                pick = pick * 1103515245 + 12345;
                line += kWords[(pick >> 16) % 8];
                line += ' ';
            }
        }
        chunk += Encoded(line + "\r\n", encoding);
        ++lines;
        if (chunk.size() >= (1 << 20)) {
            if (!WriteAll(file.get(), chunk)) return -1;
            written += chunk.size();
            chunk.clear();
        }
    }
    if (!WriteAll(file.get(), chunk)) return -1;
    return WriteMarker(marker, lines) ? lines : -1;
}

bool MakeOneLineFiles(const Text& folder, int count) {
    const Text marker = folder + ".made";
    if (ReadMarker(marker) == count) return true;
    std::printf("making %d files in %s ...\n", count, folder.c_str());
    std::fflush(stdout);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        const Text number = std::to_string(i);
        const Text path = folder + "\\" + (i % 3 == 0 ? "資料_" : "file_") + number + ".txt";
        const FileHandle file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        if (!file || !WriteAll(file.get(), "line " + number + "\r\n")) return false;
    }
    return WriteMarker(marker, count);
}
