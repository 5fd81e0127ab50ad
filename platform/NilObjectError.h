#pragma once

#include <stdexcept>

namespace platform {

// Thrown by code that needs an object that does not exist (a picture or sound
// that could not be loaded); it reaches the application's handler for
// unhandled errors instead of dereferencing nothing.
class NilObjectError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
