// Code page 932 for the native build (tests and tools) through the C library's converter, which follows
// Windows' table. A byte sequence it refuses becomes U+FFFD; a character it cannot write becomes "?", and so
// does one it writes only as a look-alike (the wave dash U+301C as the full-width tilde), as Windows without
// best fit does.
#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "platform/Encoding.h"

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: no code page 932");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of in as converts; false at a sequence it refuses, with in left at that sequence.
    bool Run(const char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[4096];
        while (inLeft > 0) {
            char* target = buffer;
            std::size_t targetLeft = sizeof buffer;
            char* source = const_cast<char*>(in);
            const std::size_t done = iconv(handle_, &source, &inLeft, &target, &targetLeft);
            const int error = errno;
            in = source;
            out.append(buffer, sizeof buffer - targetLeft);
            if (done != static_cast<std::size_t>(-1)) continue;
            if (error != E2BIG) {
                iconv(handle_, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        return true;
    }

private:
    iconv_t handle_;
};

}  // namespace

WideText WideFromShiftJis(std::string_view bytes) {
    Converter converter("UTF-16LE", "CP932");
    std::string units;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (!converter.Run(in, left, units)) {
        units += "\xFD\xFF";
        ++in;
        --left;
    }
    WideText wide(units.size() / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(static_cast<unsigned char>(units[2 * i]) |
                                        static_cast<unsigned char>(units[2 * i + 1]) << 8);
    return wide;
}

namespace {

// The converter's own answer, look-alikes included.
bool ConvertedToShiftJis(WideView wide, std::string& bytes) {
    Converter converter("CP932", "UTF-16LE");
    std::string units(wide.size() * 2, '\0');
    for (std::size_t i = 0; i < wide.size(); ++i) {
        units[2 * i] = static_cast<char>(wide[i] & 0xFF);
        units[2 * i + 1] = static_cast<char>(wide[i] >> 8);
    }
    bytes.clear();
    bool exact = true;
    const char* in = units.data();
    std::size_t left = units.size();
    while (!converter.Run(in, left, bytes)) {
        exact = false;
        bytes += '?';
        in += 2;
        left -= 2;
    }
    return exact;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

}  // namespace

bool WideToShiftJis(WideView wide, std::string& bytes) {
    if (ConvertedToShiftJis(wide, bytes) && WideFromShiftJis(bytes) == wide) return true;
    // Character by character: one that does not come back as itself was written as a look-alike.
    bytes.clear();
    bool exact = true;
    std::string one;
    for (std::size_t at = 0; at < wide.size();) {
        const bool pair = IsHighSurrogate(wide[at]) && at + 1 < wide.size() && wide[at + 1] >= 0xDC00 &&
                          wide[at + 1] < 0xE000;
        const std::size_t units = pair ? 2 : 1;
        const WideView character = wide.substr(at, units);
        if (ConvertedToShiftJis(character, one) && WideFromShiftJis(one) == character) {
            bytes += one;
        } else {
            // One "?" a UTF-16 unit, as Windows writes a character outside the plane of the others.
            bytes.append(units, '?');
            exact = false;
        }
        at += units;
    }
    return exact;
}
