#include "platform/ProfileFile.h"

#include "platform/Encoding.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

bool StartsWith(std::string_view bytes, std::string_view start) {
    return bytes.substr(0, start.size()) == start;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// UTF-16 code units as Text, an unpaired surrogate kept (WideToText), so that the file's every unit comes
// back when it is written again. A last odd byte is no unit and is dropped.
Text TextFromUtf16Units(std::string_view bytes) {
    WideText wide(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return WideToText(wide);
}

std::string Utf16Units(const Text& text) {
    const WideText wide = TextToWide(text);
    std::string bytes;
    bytes.reserve(wide.size() * 2);
    for (const char16_t unit : wide) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace

ProfileFile::ProfileFile(std::string_view bytes) {
    if (StartsWith(bytes, kUtf16Mark)) {
        form_ = Form::Utf16;
        lines_ = IniDocument(TextFromUtf16Units(bytes.substr(kUtf16Mark.size())));
    } else if (StartsWith(bytes, kUtf8Mark)) {
        form_ = Form::Utf8;
        lines_ = IniDocument(std::string(bytes.substr(kUtf8Mark.size())));
    } else {
        lines_ = IniDocument(std::string(bytes));
    }
}

std::optional<std::string> ProfileFile::Encoded(const Text& text) const {
    switch (form_) {
        case Form::ShiftJis: {
            std::string bytes;
            if (!TextToShiftJis(text, bytes)) return std::nullopt;
            return bytes;
        }
        case Form::Utf8:
            return text;
        case Form::Utf16:
            return WideToText(TextToWide(text));
    }
    return std::nullopt;
}

Text ProfileFile::Decoded(const std::string& bytes) const {
    return form_ == Form::ShiftJis ? TextFromShiftJis(bytes) : bytes;
}

std::optional<Text> ProfileFile::Value(const Text& section, const Text& key) const {
    const std::optional<std::string> bytes = lines_.Value(section, key);
    if (!bytes) return std::nullopt;
    return Decoded(*bytes);
}

bool ProfileFile::Set(const Text& section, const Text& key, const Text& value) {
    if (value.find_first_of("\r\n") != Text::npos) return false;
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) return false;
    const std::optional<std::string> bytes = Encoded(value);
    if (!bytes || Decoded(*bytes) != value) return false;
    const std::optional<std::string> sectionBytes = Encoded(section);
    const std::optional<std::string> keyBytes = Encoded(key);
    if (!sectionBytes || !keyBytes) return false;
    lines_.Set(*sectionBytes, *keyBytes, *bytes);
    return true;
}

std::string ProfileFile::Bytes() const {
    switch (form_) {
        case Form::ShiftJis:
            return lines_.Bytes();
        case Form::Utf8:
            return std::string(kUtf8Mark) + lines_.Bytes();
        case Form::Utf16:
            return std::string(kUtf16Mark) + Utf16Units(lines_.Bytes());
    }
    return lines_.Bytes();
}
