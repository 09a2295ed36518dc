// The error type of the program: it carries the text the user is shown.
#pragma once

#include <exception>
#include <utility>

#include "text/Text.h"

class AppError : public std::exception {
public:
    explicit AppError(Text message) : message_(std::move(message)) {}

    const Text& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    Text message_;
};
