#include "code_page_filter.h"

#include "conversion/encoding_bridge.h"

namespace dividir {

QString ThroughCodePage(QStringView text) {
    const Utf16TextView units(reinterpret_cast<const char16_t*>(text.utf16()),
                              static_cast<std::size_t>(text.size()));
    const Utf16Text back = SystemToUtf16(Utf16ToSystem(units));
    return QString::fromUtf16(back.data(), static_cast<qsizetype>(back.size()));
}

QString ArrivingText(QStringView text) {
    const qsizetype end = text.indexOf(QChar(u'\0'));
    return ThroughCodePage(end < 0 ? text : text.left(end));
}

}  // namespace dividir
