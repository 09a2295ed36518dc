// Runs steps that must all happen whatever fails among them (the finishing steps of a drop or an edit
// operation: a program left busy refuses every later drop), and keeps the first error to pass on afterwards.
#pragma once

#include <exception>

class FirstError {
public:
    // Runs step; an error it raises is kept when it is the first, and dropped otherwise.
    template <typename Step>
    void Catch(Step&& step) noexcept {
        try {
            step();
        } catch (...) {
            if (!error_) error_ = std::current_exception();
        }
    }

    bool Caught() const noexcept { return static_cast<bool>(error_); }

    // Raises the kept error again, if there is one.
    void Rethrow() const {
        if (error_) std::rethrow_exception(error_);
    }

private:
    std::exception_ptr error_;
};
