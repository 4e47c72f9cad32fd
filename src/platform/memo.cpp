#include "memo.h"

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/code_page_filter.h"
#include "platform/guard.h"
#include "platform/line_difference.h"
#include "platform/memo_document.h"
#include "platform/qt_system_text.h"
#include "platform/text_box_look.h"

using dividir::SystemText;
using dividir::SystemTextView;

namespace {

// The system's default tab stops lie eight average characters apart, the
// average taken over the Latin letters as the system measures its dialog units.
constexpr int kCharactersPerTabStop = 8;
const QString kLatinLetters =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

}  // namespace

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    dividir::HideSelectionWithoutFocus(*this);
    UseDefaultTabStops();
    connect(document(), &QTextDocument::contentsChanged, this, [this] { DocumentChanged(); });
}

TNotifyEvent* TMemo::EventNamed(QStringView name) {
    return name == u"OnChange" ? &OnChange : nullptr;
}

SystemText TMemo::Text() const { return KnownText(); }

const SystemText& TMemo::KnownText() const {
    if (!textKnown_) {
        text_ = dividir::SystemTextOfMemoDocument(document()->toRawText());
        textKnown_ = true;
    }
    return text_;
}

void TMemo::SetText(SystemText text) {
    text.resize(dividir::UpToFirstNul(text).size());
    const SystemText& before = KnownText();
    if (text == before) return;
    const dividir::ChangedLines lines = dividir::FindChangedLines(before, text);
    const std::size_t middleSize = text.size() - lines.commonBeginning - lines.commonEnd;
    const SystemTextView newMiddle = SystemTextView(text).substr(lines.commonBeginning, middleSize);
    const QString replacement = dividir::MemoDocumentText(newMiddle);
    // The new lines read back through the document form: line breaks as
    // CR LF and every character in its own bytes. The rest was read back
    // before and stays.
    const SystemText readBack = dividir::SystemTextOfMemoDocument(replacement);
    ReplaceLines(before, lines, replacement);
    if (readBack != newMiddle) text.replace(lines.commonBeginning, middleSize, readBack);
    text_ = std::move(text);
    textKnown_ = true;
    Raise(OnChange);
}

void TMemo::ReplaceLines(SystemTextView before, const dividir::ChangedLines& lines,
                         const QString& replacement) {
    const SystemTextView beginning = before.substr(0, lines.commonBeginning);
    const SystemTextView oldMiddle = before.substr(
        lines.commonBeginning, before.size() - lines.commonBeginning - lines.commonEnd);

    // Each line is one block of the document, so whole lines are found by
    // block number; the line breaks are counted over the shorter side.
    QTextDocument& doc = *document();
    const auto allBreaks = static_cast<std::size_t>(doc.blockCount() - 1);
    const std::size_t breaksBefore =
        beginning.size() <= before.size() / 2
            ? dividir::CountLineBreaks(beginning)
            : allBreaks - dividir::CountLineBreaks(before.substr(beginning.size()));
    const auto firstBlock = static_cast<int>(breaksBefore);
    const auto blockAfter = static_cast<int>(breaksBefore + dividir::CountLineBreaks(oldMiddle));
    const int start = doc.findBlockByNumber(firstBlock).position();
    const int end = lines.commonEnd == 0 ? doc.characterCount() - 1
                                         : doc.findBlockByNumber(blockAfter).position();

    // From here until the caller has recorded the new text, what the memo
    // knew is stale: should anything fail, the text is read from the document.
    textKnown_ = false;
    replacing_ = true;
    // Like a full replacement, the change leaves nothing to undo.
    doc.setUndoRedoEnabled(false);
    QTextCursor cursor(&doc);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(replacement);
    doc.setUndoRedoEnabled(true);
    replacing_ = false;
}

void TMemo::DocumentChanged() {
    if (replacing_) return;
    textKnown_ = false;
    if (!composing_) Raise(OnChange);
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    QString typed;
    dividir::RunGuarded([&] { typed = dividir::ThroughCodePage(event->text()); });
    if (typed == event->text()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent filtered(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                       event->nativeVirtualKey(), event->nativeModifiers(), typed,
                       event->isAutoRepeat(), event->count());
    QPlainTextEdit::keyPressEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

void TMemo::inputMethodEvent(QInputMethodEvent* event) {
    // Qt marks the document changed while a composition is only shown; the
    // text changes when the input method commits or replaces something.
    const bool changesText = !event->commitString().isEmpty() || event->replacementLength() > 0;
    QString committed;
    dividir::RunGuarded([&] { committed = dividir::ThroughCodePage(event->commitString()); });
    composing_ = true;
    if (committed == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
    } else {
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(committed, event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&filtered);
    }
    composing_ = false;
    if (changesText) Raise(OnChange);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    QMimeData arriving;
    bool filtered = false;
    dividir::RunGuarded([&] {
        arriving.setText(dividir::ArrivingText(source->text()));
        filtered = true;
    });
    // One edit of the document: a paste reports one change.
    if (filtered) QPlainTextEdit::insertFromMimeData(&arriving);
}

void TMemo::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) UseDefaultTabStops();
}

void TMemo::UseDefaultTabStops() {
    const qreal averageLetter =
        fontMetrics().horizontalAdvance(kLatinLetters) / qreal(kLatinLetters.size());
    setTabStopDistance(kCharactersPerTabStop * qRound(averageLetter));
}
