// TMemo: a multi-line text box whose text is system text with CR LF between
// the lines. It wraps at its edge, shows no scroll bars and passes Tab on to
// the next control.
//
// Setting the text changes only the lines that differ, so that a long text
// that changes a little (a code listing after one keystroke) costs little;
// the result is exactly what replacing the whole text would give. The memo
// keeps the system text it holds, so that neither the comparison nor the
// change has to read the whole document back.
#pragma once

#include <QPlainTextEdit>

#include "conversion/system_text.h"
#include "platform/control.h"
#include "platform/line_difference.h"

class TMemo : public QPlainTextEdit, public TControl {
  public:
    explicit TMemo(QWidget* parent);

    QWidget& Widget() override { return *this; }

    // Raised once after every change of the text, however it was made.
    TNotifyEvent OnChange;

    // The whole text, lines ending in CR LF; nothing is added where a line
    // only wraps.
    dividir::SystemText Text() const;
    // Replaces the whole text with `text` up to its first byte 0; does nothing
    // at all (no change, caret, selection and view as they were) when that
    // equals the current text byte for byte.
    void SetText(dividir::SystemText text);

    TNotifyEvent* EventNamed(QStringView name) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void changeEvent(QEvent* event) override;

  private:
    void DocumentChanged();
    const dividir::SystemText& KnownText() const;
    // Replaces the lines between the common beginning and end of the text
    // before, which the document holds, and a new one with `replacement`,
    // the new lines in document form.
    void ReplaceLines(dividir::SystemTextView before, const dividir::ChangedLines& lines,
                      const QString& replacement);
    void UseDefaultTabStops();

    // The text the document holds, as Text() gives it, while `textKnown_`.
    mutable dividir::SystemText text_;
    mutable bool textKnown_ = true;
    // Our own change of the document is under way: it reports once, at its end.
    bool replacing_ = false;
    // An input method event is under way: only what it commits is a change.
    bool composing_ = false;
};
