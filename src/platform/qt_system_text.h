// System text as Qt holds text, and back, for everything this layer shows.
#pragma once

#include <QString>
#include <QStringView>

#include "conversion/system_text.h"

namespace dividir {

QString ToQString(SystemTextView text);
SystemText ToSystemText(QStringView text);

// The text a control takes when it is set: everything before the first
// byte 0, as the system's controls take a C string.
SystemTextView UpToFirstNul(SystemTextView text) noexcept;

}  // namespace dividir
