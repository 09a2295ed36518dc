#include "text/ErrorText.h"

Text WithFullStop(const Text& message) {
    if (message.empty()) return message;
    // Every byte of a multibyte character is above 0x7F, so only an ASCII last byte can be a stop already.
    return static_cast<unsigned char>(message.back()) > '.' ? message + "." : message;
}
