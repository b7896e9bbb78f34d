#pragma once
// The system's base class for its own failures. Messages are UTF-8 text.

#include <stdexcept>
#include <string>

namespace vellumar {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    // The class name as the user and scripts see it, for example "EBadChecksum".
    virtual const char* ClassName() const noexcept { return "Exception"; }
};

// Raised when a text is not a whole number, for example the weight filter's value.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EConvertError"; }
};

// Raised when a file that was opened can't be read to its end.
class EInOutError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EInOutError"; }
};

}  // namespace vellumar
