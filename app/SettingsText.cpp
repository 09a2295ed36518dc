#include "app/SettingsText.h"

#include <string>
#include <string_view>

#include "platform/Encoding.h"

namespace {

// Whether code page 932 holds every character of text and gives each back as it was.
bool InShiftJis(std::string_view text) {
    std::string bytes;
    return TextToShiftJis(text, bytes) && TextFromShiftJis(bytes) == text;
}

// Bytes a line of the file cannot carry as they are, or that the escapes themselves use. In UTF-8 none of
// them is part of another character.
bool NeedsEscape(unsigned char b) {
    return b < 0x20 || b == 0x7F || b == '"' || b == '%';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsQuoted(const Text& value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void AppendEscaped(Text& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 0x0F];
    }
}

}  // namespace

Text EscapedText(const Text& text) {
    // One conversion answers for the whole text in the common case; only a text holding a character the code
    // page cannot hold is looked at character by character.
    const bool allHeld = InShiftJis(text);
    Text out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t width = CharacterBytes(text, at);
        const std::string_view character(text.data() + at, width);
        const auto first = static_cast<unsigned char>(text[at]);
        const bool escaped =
            width == 1 ? NeedsEscape(first) || first >= 0x80 : !allHeld && !InShiftJis(character);
        if (escaped) {
            AppendEscaped(out, character);
        } else {
            out += character;
        }
        at += width;
    }
    return out + '"';
}

Text TextFromEscaped(const Text& value) {
    const Text inner = IsQuoted(value) ? value.substr(1, value.size() - 2) : value;
    Text out;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const int high = inner[i] == '%' && i + 2 < inner.size() ? HexDigit(inner[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(inner[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high << 4 | low);
            i += 2;
        } else {
            out += inner[i];
        }
    }
    return out;
}

Text StoredText(const Text& text) {
    bool plain = text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back()) && text.front() != '"');
    for (const char c : text)
        plain = plain && !(static_cast<unsigned char>(c) < 0x20 || c == 0x7F);
    return plain && InShiftJis(text) ? text : EscapedText(text);
}

Text TextFromStored(const Text& value) {
    return IsQuoted(value) ? TextFromEscaped(value) : value;
}
