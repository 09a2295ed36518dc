#include "text/IniDocument.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

// The name of a heading line "[name]"; nullopt for any other line. A heading without its "]" runs to the end
// of the line. A trail byte of code page 932 that is a "]" may end a name early, but only in a name that
// holds a character beyond ASCII, which is no section of ours either way.
std::optional<std::string_view> HeadingName(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    return Trimmed(line.substr(1, close == std::string_view::npos ? close : close - 1));
}

bool EndsLine(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

IniDocument::Line IniDocument::LineAt(std::size_t at) const {
    const std::size_t end = bytes_.find_first_of("\r\n", at);
    if (end == std::string::npos) return {at, bytes_.size(), bytes_.size()};
    std::size_t next = end + 1;
    if (bytes_[end] == '\r' && next < bytes_.size() && bytes_[next] == '\n') ++next;
    return {at, end, next};
}

IniDocument::Place IniDocument::Find(std::string_view section, std::string_view key) const {
    Place place;
    for (std::size_t at = 0; at < bytes_.size();) {
        const Line line = LineAt(at);
        at = line.next;
        const std::string_view content = std::string_view(bytes_).substr(line.begin, line.end - line.begin);
        if (const std::optional<std::string_view> name = HeadingName(content)) {
            if (place.heading) break;
            if (SameName(*name, section)) {
                place.heading = line;
                place.sectionEnd = line.next;
            }
            continue;
        }
        if (!place.heading) continue;
        // A comment after the section's last value belongs to what follows it.
        const std::string_view trimmed = Trimmed(content);
        if (!trimmed.empty() && trimmed.front() != ';') place.sectionEnd = line.next;
        const std::size_t equals = content.find('=');
        if (!place.keyLine && equals != std::string_view::npos &&
            SameName(Trimmed(content.substr(0, equals)), key))
            place.keyLine = line;
    }
    return place;
}

std::string IniDocument::LineBreak() const {
    const std::size_t at = bytes_.find_first_of("\r\n");
    if (at == std::string::npos) return "\r\n";
    const Line line = LineAt(at);
    return bytes_.substr(line.end, line.next - line.end);
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    const Place place = Find(section, key);
    if (!place.keyLine) return std::nullopt;
    const std::string_view content =
        std::string_view(bytes_).substr(place.keyLine->begin, place.keyLine->end - place.keyLine->begin);
    return std::string(Trimmed(content.substr(content.find('=') + 1)));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const Place place = Find(section, key);
    if (place.keyLine) {
        const std::size_t from = bytes_.find('=', place.keyLine->begin) + 1;
        bytes_.replace(from, place.keyLine->end - from, value);
        return;
    }
    const std::string lineBreak = LineBreak();
    const std::size_t at = place.heading ? place.sectionEnd : bytes_.size();
    std::string added = at > 0 && !EndsLine(bytes_[at - 1]) ? lineBreak : std::string();
    if (!place.heading) added.append("[").append(section).append("]").append(lineBreak);
    added.append(key).append("=").append(value).append(lineBreak);
    bytes_.insert(at, added);
}
