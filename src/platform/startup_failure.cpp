#include "startup_failure.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <string_view>

#include "conversion/exception.h"
#include "platform/message_box.h"
#include "platform/module_position.h"
#include "platform/qt_system_text.h"
#include "platform/services/startup_failure_text.h"

namespace dividir {

namespace {

// The C++ name of the type of the error being handled, such as
// "std::runtime_error".
std::string HandledTypeName() {
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (type == nullptr) return "Exception";
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled != nullptr ? std::string(demangled.get())
                                               : std::string(type->name());
}

SystemText Report(std::string_view className, const void* site, SystemTextView message) {
    const ModulePosition position = ModulePositionOf(site);
    return StartupFailureText(className, position.moduleName, position.offset, message);
}

}  // namespace

SystemText StartupFailureReport(const void* caughtAt) {
    try {
        throw;
    } catch (const Exception& error) {
        return Report(error.ClassName(), error.RaiseSite(), error.Message());
    } catch (const std::bad_alloc&) {
        const EOutOfMemory outOfMemory;
        return Report(outOfMemory.ClassName(), caughtAt, outOfMemory.Message());
    } catch (const std::exception& error) {
        return Report(HandledTypeName(), caughtAt, error.what());
    } catch (...) {
        return Report(HandledTypeName(), caughtAt, {});
    }
}

// Never inlined: its return address is where start-up caught the error.
[[gnu::noinline]] void ShowStartupFailure() noexcept {
    const void* const caughtAt = __builtin_return_address(0);
    try {
        ShowErrorMessageBox(nullptr, QStringLiteral("Application Error"),
                            ToQString(StartupFailureReport(caughtAt)));
    } catch (...) {
        // Memory is gone even for the report; the exit status still tells.
    }
}

}  // namespace dividir
