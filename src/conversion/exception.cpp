#include "exception.h"

#include <utility>

namespace dividir {

// Never inlined: the return address must lead back into the raiser.
[[gnu::noinline]] Exception::Exception(SystemText message)
    : message_(std::move(message)), raiseSite_(__builtin_return_address(0)) {}

}  // namespace dividir
