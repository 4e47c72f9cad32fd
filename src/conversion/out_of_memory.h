// Turns the standard library's allocation failures into the tool's own
// out-of-memory error, so that no caller ever sees a partial result.
#pragma once

#include <new>
#include <stdexcept>

#include "exception.h"

namespace dividir {

template <typename Build>
auto BuildOrRaiseOutOfMemory(Build build) -> decltype(build()) {
    try {
        return build();
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    } catch (const std::length_error&) {
        // A result larger than a string can ever hold is out of memory too.
        throw EOutOfMemory();
    }
}

}  // namespace dividir
