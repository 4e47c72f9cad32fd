// The main function of a Qt Test suite of the window program: Qt's own
// high-DPI scaling is switched off before the application exists, as the
// program does, and closing a window never ends the suite.
#pragma once

#include <QApplication>
#include <QTest>

#include "platform/toolkit_dpi_scaling.h"

#define DIVIDIR_GUI_TEST_MAIN(TestClass)                \
    int main(int argc, char* argv[]) {                  \
        dividir::DisableToolkitDpiScaling();            \
        QApplication application(argc, argv);           \
        QApplication::setQuitOnLastWindowClosed(false); \
        TestClass test;                                 \
        return QTest::qExec(&test, argc, argv);         \
    }
