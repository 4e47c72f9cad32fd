// The error family. Every error the tool raises is an Exception carrying a
// message in system-code-page text; the window's guard shows it to the user.
#pragma once

#include <exception>
#include <utility>

#include "system_text.h"

namespace dividir {

class Exception : public std::exception {
  public:
    explicit Exception(SystemText message) : message_(std::move(message)) {}

    // The message exactly as raised: it may hold any byte, a byte 0 included.
    const SystemText& Message() const noexcept { return message_; }
    // For code outside the family that only understands C strings; stops at a byte 0.
    const char* what() const noexcept override { return message_.c_str(); }
    // The class name as the start-up failure report names it.
    virtual const char* ClassName() const noexcept { return "Exception"; }

  private:
    SystemText message_;
};

// A text that should have been a number is not one.
class EConvertError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EConvertError"; }
};

// Memory ran out while a result was built; no partial result is delivered.
class EOutOfMemory : public Exception {
  public:
    EOutOfMemory() : Exception("Out of memory") {}
    const char* ClassName() const noexcept override { return "EOutOfMemory"; }
};

// A silent error: it ends the handler that raised it and is never shown.
class EAbort : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EAbort"; }
};

}  // namespace dividir
