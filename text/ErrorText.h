// How an error's text is shown to the user.
#pragma once

#include "text/Text.h"

// The text with "." appended when its last character sorts after "." (compared by its code, so a text ending
// in a multibyte character such as "ん" or "。" gets one too); an empty text stays empty.
Text WithFullStop(const Text& message);
