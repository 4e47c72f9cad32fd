#include "RirarivErezUdi.h"

#include <QApplication>

#include "platform/startup_failure.h"
#include "platform/toolkit_dpi_scaling.h"

int RunStartupSequence(int& argc, char** argv, const TMainFormFactory& createMainForm) {
    dividir::DisableToolkitDpiScaling();
    QApplication toolkit(argc, argv);
    try {
        TApplication application;  // the title, the icon, the taskbar entry
        application.CreateMainForm(createMainForm);
        return application.Run();
    } catch (...) {
        // No loop runs yet to show it, and the windows are gone.
        dividir::ShowStartupFailure();
        return 1;
    }
}
