// Data.INI as bytes on the disk and as values. The file keeps the encoding it has: UTF-16 (little-endian)
// after its byte order mark, UTF-8 after its byte order mark, and otherwise, a new file included, code page
// 932 (Shift_JIS), as every earlier version wrote it. Code page 932 is named here, never the system's code
// page, so the file reads the same on every system. (A file without a mark is not told apart by its bytes:
// a value in code page 932 could make a whole file well-formed UTF-8, and it would then read otherwise.)
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/IniDocument.h"
#include "text/Text.h"

class ProfileFile {
public:
    // The file of those bytes; empty bytes for a file that does not exist.
    explicit ProfileFile(std::string_view bytes = std::string_view());

    // The value of key in section as the file holds it (IniDocument::Value), as Text; nullopt when missing.
    std::optional<Text> Value(const Text& section, const Text& key) const;

    // Sets key in section to value, or leaves the file as it is and answers false when the value would not
    // read back as itself: one holding a line break, one beginning or ending with a space or a tab, one
    // holding a character the file's encoding cannot hold.
    bool Set(const Text& section, const Text& key, const Text& value);

    // The file's bytes, in its encoding.
    std::string Bytes() const;

private:
    enum class Form { ShiftJis, Utf8, Utf16 };

    std::optional<std::string> Encoded(const Text& text) const;
    Text Decoded(const std::string& bytes) const;

    Form form_ = Form::ShiftJis;
    IniDocument lines_;  // in code page 932 for a Shift_JIS file, else in UTF-8
};
