// The message box that reports an error: the error icon, one OK button, a
// caption and a plain text.
#pragma once

#include <QString>

class QWidget;

namespace dividir {

// Shows the box, owned by `owner` (or by nothing), and returns when the user
// has closed it. It is application-modal: every window of the program is
// disabled while it is open. The text is never read as markup, and a line
// break in it, CR LF included, breaks the line. An empty caption stays empty.
// Ctrl+C copies the caption, the text and the button's name as plain text.
void ShowErrorMessageBox(QWidget* owner, const QString& caption, const QString& text);

}  // namespace dividir
