#include "collect/FileEncoding.h"

#include <algorithm>

#include "platform/Encoding.h"

namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

}  // namespace

DetectedEncoding DetectFileEncoding(std::string_view first, bool whole) {
    if (StartsWith(first, "\xEF\xBB\xBF")) return {FileEncoding::Utf8, 3};
    if (StartsWith(first, "\xFF\xFE")) return {FileEncoding::Utf16Le, 2};
    if (StartsWith(first, "\xFE\xFF")) return {FileEncoding::Utf16Be, 2};
    const bool ascii =
        std::all_of(first.begin(), first.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return {};
    const Utf8Scan scan = ScanUtf8(first);
    const bool wellFormed = scan.wellFormed == first.size() || (scan.cutShort && !whole);
    return {wellFormed ? FileEncoding::Utf8 : FileEncoding::ShiftJis, 0};
}
