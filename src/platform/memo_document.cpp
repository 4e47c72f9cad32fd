#include "memo_document.h"

#include "conversion/encoding_bridge.h"

namespace dividir {

namespace {

constexpr char16_t kBlockSeparator = QChar::ParagraphSeparator;

}  // namespace

QString MemoDocumentText(SystemTextView text) {
    const Utf16Text units = SystemToUtf16(text);
    QString document(static_cast<qsizetype>(units.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(document.data());
    char16_t* const start = out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == u'\r') {
            if (i + 1 < units.size() && units[i + 1] == u'\n') ++i;
            *out++ = kBlockSeparator;
        } else if (unit == u'\n') {
            *out++ = kBlockSeparator;
        } else {
            *out++ = unit;
        }
    }
    document.truncate(out - start);
    return document;
}

SystemText SystemTextOfMemoDocument(QStringView documentText) {
    SystemText text(static_cast<std::size_t>(documentText.size()) * kMaxBytesPerUnit, '\0');
    char* out = text.data();
    for (QChar unit : documentText) {
        if (unit.unicode() == kBlockSeparator) {
            *out++ = '\r';
            *out++ = '\n';
        } else {
            out += WriteUnitAsSystem(unit.unicode(), out);
        }
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

std::size_t CountLineBreaks(SystemTextView text) noexcept {
    std::size_t count = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char byte = text[i];
        // A CR counts unless an LF follows it; that LF then counts for both.
        if (byte == '\n' || (byte == '\r' && (i + 1 == size || text[i + 1] != '\n'))) ++count;
    }
    return count;
}

}  // namespace dividir
