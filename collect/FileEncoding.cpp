#include "collect/FileEncoding.h"

#include <algorithm>

#include "platform/Encoding.h"
#include "text/ShiftJisBytes.h"

namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

bool IsAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// What one encoding finds at a byte: a well-formed character of bytes and weight, or with bytes 0 an
// ill-formed piece of broken bytes, taken as one error.
struct Width {
    std::size_t bytes;
    std::size_t weight;
    std::size_t broken = 1;
};

// How bytes read in one encoding: the characters beyond ASCII it finds, weighed, and the bytes where it
// finds none.
struct Reading {
    std::size_t characters = 0;
    std::size_t weight = 0;
    std::size_t errors = 0;

    long Score() const { return static_cast<long>(weight) - 4 * static_cast<long>(errors); }
};

// Reads bytes with find(at), which tells what is at at; a character that the end of bytes cuts short
// (cutShort(at)) ends the reading when more follows.
template <typename Find, typename CutShort>
Reading Read(std::string_view bytes, bool whole, Find find, CutShort cutShort) {
    Reading reading;
    for (std::size_t at = 0; at < bytes.size();) {
        if (IsAscii(bytes[at])) {
            ++at;
            continue;
        }
        const Width found = find(at);
        if (found.bytes > 0) {
            ++reading.characters;
            reading.weight += found.weight;
            at += found.bytes;
            continue;
        }
        if (!whole && cutShort(at)) break;
        ++reading.errors;
        at += found.broken;
    }
    return reading;
}

Reading AsUtf8(std::string_view bytes, bool whole) {
    return Read(
        bytes, whole,
        [&](std::size_t at) {
            const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(bytes[at]));
            if (ScanUtf8(bytes.substr(at, length)).wellFormed == length) return Width{length, 3};
            // A sequence broken off is one error with the continuation bytes it had, as it decodes.
            std::size_t broken = 1;
            while (broken < length && at + broken < bytes.size() &&
                   (static_cast<unsigned char>(bytes[at + broken]) & 0xC0) == 0x80)
                ++broken;
            return Width{0, 0, broken};
        },
        [&](std::size_t at) { return ScanUtf8(bytes.substr(at)).cutShort; });
}

Reading AsShiftJis(std::string_view bytes, bool whole) {
    return Read(
        bytes, whole,
        [&](std::size_t at) {
            const std::size_t length = ShiftJisCharacterBytes(bytes, at);
            if (length != 2)
                return Width{length, 1};  // half-width katakana: rare in text, common in misreads
            const auto lead = static_cast<unsigned char>(bytes[at]);
            const auto trail = static_cast<unsigned char>(bytes[at + 1]);
            const bool kana = (lead == 0x82 && trail >= 0x9F) || (lead == 0x83 && trail <= 0x96);
            return Width{2, kana ? 3u : 2u};
        },
        [&](std::size_t at) {
            return at + 1 == bytes.size() && IsKanjiLead(static_cast<unsigned char>(bytes[at]));
        });
}

Reading AsEucJp(std::string_view bytes, bool whole) {
    return Read(
        bytes, whole,
        [&](std::size_t at) {
            const EucJpCharacter c = EucJpCharacterAt(bytes, at);
            if (!c.held) return Width{0, 0};
            const auto lead = static_cast<unsigned char>(bytes[at]);
            const bool kana = lead == 0x8E || lead == 0xA4 || lead == 0xA5;
            return Width{c.bytes, kana ? 3u : 2u};
        },
        [&](std::size_t at) {
            // Every byte left could still begin or continue a character.
            return bytes.size() - at < 3 && std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                                        bytes.end(), [](char c) { return !IsAscii(c); });
        });
}

}  // namespace

std::optional<DetectedEncoding> EncodingByMark(std::string_view first) {
    if (StartsWith(first, "\xEF\xBB\xBF")) return DetectedEncoding{FileEncoding::Utf8, 3};
    if (StartsWith(first, "\xFF\xFE")) return DetectedEncoding{FileEncoding::Utf16Le, 2};
    if (StartsWith(first, "\xFE\xFF")) return DetectedEncoding{FileEncoding::Utf16Be, 2};
    return std::nullopt;
}

std::optional<FileEncoding> EncodingByEvidence(std::string_view bytes, bool whole) {
    const auto start = std::find_if_not(bytes.begin(), bytes.end(), IsAscii);
    if (start == bytes.end()) return std::nullopt;
    std::string_view evidence = bytes.substr(static_cast<std::size_t>(start - bytes.begin()));
    if (evidence.size() > kEvidenceBytes) {
        evidence = evidence.substr(0, kEvidenceBytes);
        whole = false;
    }
    const Reading utf8 = AsUtf8(evidence, whole);
    if (utf8.characters > 0 && utf8.characters >= 3 * utf8.errors) return FileEncoding::Utf8;
    const Reading eucJp = AsEucJp(evidence, whole);
    const Reading shiftJis = AsShiftJis(evidence, whole);
    return eucJp.Score() > shiftJis.Score() ? FileEncoding::EucJp : FileEncoding::ShiftJis;
}

DetectedEncoding DetectFileEncoding(std::string_view first, bool whole) {
    if (const std::optional<DetectedEncoding> marked = EncodingByMark(first)) return *marked;
    return DetectedEncoding{EncodingByEvidence(first, whole).value_or(FileEncoding::ShiftJis), 0};
}
