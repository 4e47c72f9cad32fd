// The report of an error that escapes start-up: which class, which module
// and where, which message; and the "Application Error" box that shows it.
#include <dlfcn.h>

#include <QRegularExpression>
#include <QTest>
#include <cstdint>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "conversion/exception.h"
#include "error_box_watcher.h"
#include "gui_test_main.h"
#include "platform/module_position.h"
#include "platform/qt_system_text.h"
#include "platform/services/startup_failure_text.h"
#include "platform/startup_failure.h"

using dividir::SystemText;

namespace {

using Raiser = void (*)();

[[gnu::noinline]] void RaiseConversionError() {
    throw dividir::EConvertError("'x' is not a valid integer value");
}
[[gnu::noinline]] void RaiseOutOfMemory() { throw dividir::EOutOfMemory(); }
[[gnu::noinline]] void RaiseBadAlloc() { throw std::bad_alloc(); }
[[gnu::noinline]] void RaiseRuntimeError() { throw std::runtime_error("disk on fire"); }
[[gnu::noinline]] void RaiseInt() { throw 42; }

// Stands for the place where start-up caught the error.
const int caughtHere = 0;

std::uintptr_t OffsetInProgram(const void* address) {
    Dl_info info = {};
    if (dladdr(address, &info) == 0) return 0;
    return reinterpret_cast<std::uintptr_t>(address) -
           reinterpret_cast<std::uintptr_t>(info.dli_fbase);
}

SystemText ReportFor(Raiser raise) {
    try {
        raise();
    } catch (...) {
        return dividir::StartupFailureReport(&caughtHere);
    }
    return {};
}

// The address the report gives, as a number.
std::uintptr_t ReportedOffset(const SystemText& report) {
    const auto match = QRegularExpression(QStringLiteral(" at ([0-9A-F]{8,})\\.\r\n"))
                           .match(QString::fromLatin1(report.data(), qsizetype(report.size())));
    return match.hasMatch() ? match.captured(1).toULongLong(nullptr, 16) : 0;
}

}  // namespace

Q_DECLARE_METATYPE(Raiser)
Q_DECLARE_METATYPE(SystemText)

class StartupFailureTest : public QObject {
    Q_OBJECT

  private slots:
    void reportNamesClassModulePositionAndMessage_data() {
        QTest::addColumn<Raiser>("raise");
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<SystemText>("message");
        QTest::addColumn<bool>("knowsWhereItWasRaised");
        QTest::newRow("conversion error")
            << Raiser(RaiseConversionError) << QByteArray("EConvertError")
            << SystemText("'x' is not a valid integer value") << true;
        QTest::newRow("out of memory") << Raiser(RaiseOutOfMemory) << QByteArray("EOutOfMemory")
                                       << SystemText("Out of memory") << true;
        QTest::newRow("std::bad_alloc is the out-of-memory error")
            << Raiser(RaiseBadAlloc) << QByteArray("EOutOfMemory") << SystemText("Out of memory")
            << false;
        QTest::newRow("other std::exception")
            << Raiser(RaiseRuntimeError) << QByteArray("std::runtime_error")
            << SystemText("disk on fire") << false;
        QTest::newRow("not an exception")
            << Raiser(RaiseInt) << QByteArray("int") << SystemText() << false;
    }
    void reportNamesClassModulePositionAndMessage() {
        QFETCH(Raiser, raise);
        QFETCH(QByteArray, className);
        QFETCH(SystemText, message);
        QFETCH(bool, knowsWhereItWasRaised);
        const SystemText report = ReportFor(raise);
        const std::uintptr_t offset = ReportedOffset(report);
        QCOMPARE(report, dividir::StartupFailureText(className.toStdString(),
                                                     "startup_failure_test", offset, message));
        if (knowsWhereItWasRaised) {
            // Inside the function that raised it, a few instructions in.
            const std::uintptr_t raiser = OffsetInProgram(reinterpret_cast<const void*>(raise));
            QVERIFY2(offset > raiser && offset < raiser + 0x400,
                     qPrintable(QStringLiteral("%1 is not inside the raiser at %2")
                                    .arg(offset, 0, 16)
                                    .arg(raiser, 0, 16)));
        } else {
            QCOMPARE(offset, OffsetInProgram(&caughtHere));
        }
    }

    void modulesAreNamedByTheirFileName() {
        QCOMPARE(dividir::ModulePositionOf(&caughtHere).moduleName,
                 SystemText("startup_failure_test"));
        // stdout is libc's own.
        QCOMPARE(dividir::ModulePositionOf(stdout).moduleName, SystemText("libc.so.6"));
    }

    void boxWithoutOwnerShowsTheReport() {
        ErrorBoxWatcher watcher;
        try {
            RaiseConversionError();
        } catch (...) {
            dividir::ShowStartupFailure();
        }
        QCOMPARE(watcher.Boxes().size(), std::size_t(1));
        const SeenErrorBox& box = watcher.Boxes().front();
        QCOMPARE(box.caption, QStringLiteral("Application Error"));
        QCOMPARE(box.owner, nullptr);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box.applicationModal);
        QCOMPARE(box.textFormat, Qt::PlainText);
        // The report's CR LF line ends show as line breaks.
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^Exception EConvertError in module startup_failure_test at "
                                    "[0-9A-F]{8}\\.\n'x' is not a valid integer value\\.\n$"))
                     .match(box.text)
                     .hasMatch(),
                 qPrintable(box.text));
    }
};

DIVIDIR_GUI_TEST_MAIN(StartupFailureTest)
#include "startup_failure_test.moc"
