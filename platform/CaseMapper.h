// Letter case of Text, as the user's locale maps it, within the characters code page 932 holds.
#pragma once

#include "text/Text.h"

class CaseMapper {
public:
    virtual ~CaseMapper() = default;

    // Map s in place, character by character. ASCII letters change case; half-width katakana do not. A
    // character the code page holds becomes only a character it holds that takes as many Shift_JIS bytes,
    // so text the code page holds keeps its Shift_JIS form's length. A character without such a partner, a
    // character the code page cannot hold and bytes that are no UTF-8 stay as they are.
    virtual void ToUpper(Text& s) = 0;
    virtual void ToLower(Text& s) = 0;
};
