// TEdit: a single-line field whose text is system text. Entered by Tab or
// Shift+Tab it selects its whole text, entered by a left click it does not;
// Return and Escape do nothing in it.
#pragma once

#include <QLineEdit>
#include <memory>

#include "conversion/system_text.h"
#include "platform/control.h"

class TEdit : public QLineEdit, public TControl {
  public:
    explicit TEdit(QWidget* parent);
    ~TEdit() override;

    QWidget& Widget() override { return *this; }

    // Raised once after every change of the text, however it was made.
    TNotifyEvent OnChange;

    // The whole text.
    dividir::SystemText Text() const;
    // Replaces the whole text with `text` up to its first byte 0; does nothing
    // at all when that equals the current text byte for byte.
    void SetText(dividir::SystemTextView text);

    TNotifyEvent* EventNamed(QStringView name) override;
    // AutoSize: the height of the font's character cell and the border.
    void AdjustSizeToFont() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    class ArrivingTextFilter;

    std::unique_ptr<ArrivingTextFilter> filter_;
    // The text as it showed after the last change, against which an edit
    // tells what has arrived.
    QString shownText_;
    bool settingText_ = false;
};
