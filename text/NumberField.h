// Number fields as the status bar and the count lines print them: "%<width>d" writes the next value in
// decimal, right-aligned in at least <width> characters and padded with spaces (a leading 0 in the width does
// not ask for zeros); a longer number is not cut. A "%" at the very end of the format writes nothing. Every
// other byte of the format, a "%" that does not start a field included, is copied as it stands. A field
// without a value left writes nothing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "text/Text.h"

Text FormatNumbers(std::string_view format, std::initializer_list<std::int64_t> values);
