#include "show_command.h"

namespace dividir {

int StartupShowCommand() noexcept { return kShowDefault; }

}  // namespace dividir
