// The report of an error that escapes start-up, before the message loop
// runs: no window of the program can show it, so it gets a box of its own.
#pragma once

#include "conversion/system_text.h"

namespace dividir {

// The text of the report for the error being handled; call it from inside a
// catch block. It names the error's class, the module it was raised in and
// the position there, and its message (StartupFailureText). Errors of the
// Exception family know where they were raised; for any other the position
// is `caughtAt`, where start-up caught it. Running out of memory is reported
// as the out-of-memory error, as everywhere in the program.
SystemText StartupFailureReport(const void* caughtAt);

// Shows the report for the error being handled in a modal box without owner,
// captioned "Application Error", with the error icon and one OK button, and
// returns when the user has closed it. Call it from inside a catch block.
void ShowStartupFailure() noexcept;

}  // namespace dividir
