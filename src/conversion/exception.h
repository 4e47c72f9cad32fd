// The error family. Every error the tool raises is an Exception carrying a
// message in system-code-page text; the window's guard shows it to the user.
#pragma once

#include <exception>
#include <utility>

#include "system_text.h"

namespace dividir {

class Exception : public std::exception {
  public:
    // Out of line, so that it can note the code address it was called from:
    // where the error was raised (see RaiseSite).
    explicit Exception(SystemText message);

    // The message exactly as raised: it may hold any byte, a byte 0 included.
    const SystemText& Message() const noexcept { return message_; }
    // For code outside the family that only understands C strings; stops at a byte 0.
    const char* what() const noexcept override { return message_.c_str(); }
    // The class name as the start-up failure report names it.
    virtual const char* ClassName() const noexcept { return "Exception"; }
    // A code address in the function that raised the error, for the report of
    // an error that escapes start-up. The derived classes' constructors are
    // always inlined so that this is the raiser's address, not theirs.
    const void* RaiseSite() const noexcept { return raiseSite_; }

  private:
    SystemText message_;
    const void* raiseSite_;
};

// A text that should have been a number is not one.
class EConvertError : public Exception {
  public:
    [[gnu::always_inline]] explicit EConvertError(SystemText message)
        : Exception(std::move(message)) {}
    const char* ClassName() const noexcept override { return "EConvertError"; }
};

// Memory ran out while a result was built; no partial result is delivered.
class EOutOfMemory : public Exception {
  public:
    [[gnu::always_inline]] EOutOfMemory() : Exception("Out of memory") {}
    const char* ClassName() const noexcept override { return "EOutOfMemory"; }
};

// A silent error: it ends the handler that raised it and is never shown.
class EAbort : public Exception {
  public:
    [[gnu::always_inline]] explicit EAbort(SystemText message) : Exception(std::move(message)) {}
    const char* ClassName() const noexcept override { return "EAbort"; }
};

}  // namespace dividir
