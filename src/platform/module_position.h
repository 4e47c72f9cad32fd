// Where a code address lies: in which module (the program file or a shared
// library) and how far from that module's start.
#pragma once

#include <cstdint>

#include "conversion/system_text.h"

namespace dividir {

struct ModulePosition {
    // The module's file name, without its folder.
    SystemText moduleName;
    // The address relative to the start of the module's image.
    std::uintptr_t offset = 0;
};

// The position of a code address of this process. An address outside every
// module gives an empty name and the address itself.
ModulePosition ModulePositionOf(const void* address);

}  // namespace dividir
