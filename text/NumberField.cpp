#include "text/NumberField.h"

#include <charconv>

namespace {

bool IsDigit(char c) {
    return static_cast<unsigned char>(c) >= '0' && static_cast<unsigned char>(c) <= '9';
}

}  // namespace

Text FormatNumbers(std::string_view format, std::initializer_list<std::int64_t> values) {
    Text out;
    auto next = values.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        std::size_t j = i + 1;
        std::size_t width = 0;
        // Widths beyond a line's worth are nonsense; stop growing rather than overflow.
        while (j < format.size() && IsDigit(format[j])) {
            if (width < 4096) width = width * 10 + static_cast<std::size_t>(format[j] - '0');
            ++j;
        }
        if (j >= format.size() || format[j] != 'd') {
            if (i + 1 < format.size()) out += format[i];
            ++i;
            continue;
        }
        if (next != values.end()) {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, *next++).ptr;
            const auto length = static_cast<std::size_t>(end - digits);
            if (length < width) out.append(width - length, ' ');
            out.append(digits, length);
        }
        i = j + 1;
    }
    return out;
}
