// DiviDir, the window program: the start-up sequence with the main window
// TDiviDir.
#include <memory>

#include "RirarivErezUdi.h"
#include "ZazoZovEzuv.h"

int main(int argc, char* argv[]) {
    return RunStartupSequence(argc, argv, [] { return std::make_unique<TDiviDir>(); });
}
