// A memo's text as its Qt document holds it: UTF-16 with one block per line,
// the blocks separated by U+2029 in the document's raw text. Seen from the
// program a memo's lines end in CR LF; a lone CR or LF that arrives in a text
// breaks the line as well, as the document cannot hold it as a character.
#pragma once

#include <QString>
#include <QStringView>
#include <cstddef>

#include "conversion/system_text.h"

namespace dividir {

// The document form of system text.
QString MemoDocumentText(SystemTextView text);

// The system text of a document's raw text: CR LF between the lines.
SystemText SystemTextOfMemoDocument(QStringView documentText);

// How many line breaks a system text holds: CR LF, a lone CR and a lone LF
// each count once. Counts of adjacent pieces add up when no piece starts
// between the CR and the LF of a pair.
std::size_t CountLineBreaks(SystemTextView text) noexcept;

}  // namespace dividir
