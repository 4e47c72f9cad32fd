// Access keys: the character after a single "&" in a caption, pressed with
// Alt (or alone while the focused control takes no typed characters).
#pragma once

#include <QChar>
#include <QKeyEvent>
#include <QStringView>
#include <optional>

namespace dividir {

// The access key of a caption: the character after its first single "&";
// "&&" stands for a literal "&" and marks nothing. None when no "&" marks one.
std::optional<QChar> AccessKeyOf(QStringView caption);

// Whether a pressed character is an access key: letters in either case count
// as equal.
bool IsAccessKey(std::optional<QChar> accessKey, QChar pressed);

// The character a key press offers as an access key, or none: the key's
// letter or digit, else the single character it types. The blank never is
// one, so that Alt+Space stays the system's.
std::optional<QChar> PressedAccessCharacter(const QKeyEvent& event);

}  // namespace dividir
