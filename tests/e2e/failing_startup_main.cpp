// The window program with a main window that cannot be built: the start-up
// sequence must report the error in the "Application Error" box and end
// with exit status 1, without ever showing a window of its own.
#include <memory>

#include "RirarivErezUdi.h"
#include "conversion/exception.h"

namespace {

std::unique_ptr<TForm> MainWindowThatCannotBeBuilt() {
    throw dividir::EConvertError("'x' is not a valid integer value");
}

}  // namespace

int main(int argc, char* argv[]) {
    return RunStartupSequence(argc, argv, MainWindowThatCannotBeBuilt);
}
