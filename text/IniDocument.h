// An INI file's lines as bytes in an encoding where ASCII stands for itself and CR and LF are never part of
// another character (code page 932 and UTF-8 both are). Values are found and replaced in place; every other
// byte of the file (other sections and keys, comments, blank lines, garbage, the order) stays as it is.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class IniDocument {
public:
    explicit IniDocument(std::string bytes = std::string()) : bytes_(std::move(bytes)) {}

    // The value of key in section: what follows the first "=" of the key's first line in the section's first
    // heading, without surrounding spaces and tabs; nullopt when either is missing. Section and key names are
    // compared without their surrounding spaces and tabs, ASCII letters in either case.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Puts value after the "=" of that line; a missing key is added after the section's last line that is
    // neither blank nor a comment (";"), a missing section at the end of the file. value must hold no line
    // break.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Bytes() const { return bytes_; }

private:
    struct Line {
        std::size_t begin;  // its first byte
        std::size_t end;    // the byte after its content, where its line break starts
        std::size_t next;   // the first byte of the next line
    };
    struct Place {
        std::optional<Line> heading;  // the section's heading line
        std::optional<Line> keyLine;  // the key's line in it
        std::size_t sectionEnd = 0;   // where a key added to the section goes
    };

    Line LineAt(std::size_t at) const;
    Place Find(std::string_view section, std::string_view key) const;
    std::string LineBreak() const;

    std::string bytes_;
};
