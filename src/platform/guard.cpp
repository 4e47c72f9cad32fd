#include "guard.h"

#include <exception>
#include <new>

#include "conversion/exception.h"
#include "error_display.h"

namespace dividir {

namespace {

// Errors from outside the Exception family are shown like ours: running out
// of memory as the out-of-memory error, anything else with its own text.
void DisplayCurrentError() {
    try {
        throw;
    } catch (const Exception& error) {
        DisplayError(error);
    } catch (const std::bad_alloc&) {
        DisplayError(EOutOfMemory());
    } catch (const std::exception& error) {
        DisplayError(Exception(error.what()));
    } catch (...) {
        DisplayError(Exception("Unknown error"));
    }
}

}  // namespace

void HandleEscapedError() noexcept {
    try {
        DisplayCurrentError();
    } catch (...) {
        // The display itself failed (memory is gone); nothing is left to show
        // the error with, and the window goes on as it would after the box.
    }
}

}  // namespace dividir
