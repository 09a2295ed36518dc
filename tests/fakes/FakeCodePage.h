// A code page that holds ASCII and the two characters あ and 表 (表's second byte is a backslash); every
// other character, a surrogate pair counted as one, becomes "?".
#pragma once

#include "platform/NameConversion.h"

class FakeCodePage : public CodePage {
public:
    bool ToAnsi(WideView s, Text& out) override {
        out.clear();
        bool exact = true;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char16_t c = s[i];
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c == u'あ') {
                out += "\x82\xA0";
            } else if (c == u'表') {
                out += "\x95\x5C";
            } else {
                if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size()) ++i;
                out += '?';
                exact = false;
            }
        }
        return exact;
    }
};
