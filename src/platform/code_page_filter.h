// Text that enters a control from outside (typed, pasted, dropped, composed)
// passes through the system code page on its way in, so the controls hold
// only what the code page can hold: a character outside it shows as its
// best-fit or default character, exactly as the code listing shows it.
#pragma once

#include <QString>
#include <QStringView>

namespace dividir {

// The text converted to system text and back.
QString ThroughCodePage(QStringView text);

// Text from the clipboard or a drop, as it enters: up to its first U+0000,
// where a C string would end, and through the code page.
QString ArrivingText(QStringView text);

}  // namespace dividir
