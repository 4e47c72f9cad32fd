// The error display: how an error that escaped the handling of an event
// reaches the user.
#pragma once

#include <QString>

#include "conversion/exception.h"

namespace dividir {

// Shows the error and returns when the user has closed its box: any mouse
// capture ends first; a silent error (EAbort) shows nothing; any other error
// opens a modal error box with the error icon, one OK button, the message
// with the "." rule (ErrorDisplayText) and the application title as caption.
// The box takes all input from the program's windows while it is open.
void DisplayError(const Exception& error);

// The caption of every error box: the application title.
QString ErrorBoxCaption();

// Opens the modal error box itself, owned by the application window, on the
// screen of the active window; the text is shown exactly as given, never read
// as markup. When it closes, the window that was active is active again.
void ShowErrorBox(const QString& caption, const QString& text);

}  // namespace dividir
