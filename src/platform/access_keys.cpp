#include "access_keys.h"

namespace dividir {

std::optional<QChar> AccessKeyOf(QStringView caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return caption[i + 1];
        ++i;  // "&&": a literal "&"
    }
    return std::nullopt;
}

bool IsAccessKey(std::optional<QChar> accessKey, QChar pressed) {
    return accessKey.has_value() && accessKey->toUpper() == pressed.toUpper();
}

std::optional<QChar> PressedAccessCharacter(const QKeyEvent& event) {
    // With Alt held the typed text is unreliable across platforms; the key
    // itself names letters and digits.
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return QChar(u'A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return QChar(u'0' + (key - Qt::Key_0));
    const QString text = event.text();
    if (text.size() != 1 || !text[0].isPrint() || text[0] == u' ') return std::nullopt;
    return text[0];
}

}  // namespace dividir
