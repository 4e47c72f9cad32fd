// TButton: a push button clicked by the mouse, by Space or Return while it
// has the focus, and by its access key; while it has the focus the arrow
// keys move the focus through the tab order.
#pragma once

#include <QPushButton>

#include "conversion/system_text.h"
#include "platform/control.h"

class TButton : public QPushButton, public TControl {
  public:
    explicit TButton(QWidget* parent);

    QWidget& Widget() override { return *this; }

    // Raised once for every click, however it came.
    TNotifyEvent OnClick;

    dividir::SystemText Caption() const;
    void SetCaption(dividir::SystemTextView caption);

    bool SetDescribedProperty(const QString& name, const QVariant& value) override;
    TNotifyEvent* EventNamed(QStringView name) override;
    std::optional<QChar> AccessKey() const override;
    void AccessKeyPressed() override;
    bool TakesTypedCharacters() const override { return false; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
