#include "qt_system_text.h"

#include "conversion/encoding_bridge.h"

namespace dividir {

QString ToQString(SystemTextView text) {
    const Utf16Text units = SystemToUtf16(text);
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

SystemText ToSystemText(QStringView text) {
    return Utf16ToSystem(Utf16TextView(reinterpret_cast<const char16_t*>(text.utf16()),
                                       static_cast<std::size_t>(text.size())));
}

SystemTextView UpToFirstNul(SystemTextView text) noexcept {
    return text.substr(0, text.find('\0'));
}

}  // namespace dividir
