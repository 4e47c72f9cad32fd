// The window's guard: whatever goes wrong in the handling of an event stops
// at our own frame and is handed to the error display, so no error ever
// unwinds into Qt's code that delivered the event.
#pragma once

#include <utility>

namespace dividir {

// Hands the error being handled (called from inside a catch block) to the
// error display; never lets anything escape.
void HandleEscapedError() noexcept;

// Runs one piece of the handling of an event inside the guard. Use it
// directly around every call of a handler and around every piece of our own
// code that Qt calls and that can raise.
template <typename Work>
void RunGuarded(Work&& work) noexcept {
    try {
        std::forward<Work>(work)();
    } catch (...) {
        HandleEscapedError();
    }
}

}  // namespace dividir
