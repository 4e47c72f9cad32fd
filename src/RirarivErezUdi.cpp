// The program's start-up: create the main window, run the message loop, end.
#include <QApplication>
#include <cstdio>
#include <exception>

#include "ZazoZovEzuv.h"
#include "platform/toolkit_dpi_scaling.h"

int main(int argc, char* argv[]) {
    dividir::DisableToolkitDpiScaling();
    QApplication application(argc, argv);
    try {
        TDiviDir window;  // built hidden
        window.show();    // the focus goes to Memo1, the first control in tab order
        return application.exec();
    } catch (const std::exception& error) {
        // The window could not be built; no loop ran.
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
