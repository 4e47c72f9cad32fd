// TLabel: one line of caption in the window's font and colours. It never
// takes the focus; its access key is drawn underlined and does nothing, as
// no label here names a control to focus.
#pragma once

#include <QWidget>

#include "conversion/system_text.h"
#include "platform/control.h"

class TLabel : public QWidget, public TControl {
  public:
    explicit TLabel(QWidget* parent);

    QWidget& Widget() override { return *this; }

    dividir::SystemText Caption() const;
    void SetCaption(dividir::SystemTextView caption);

    bool SetDescribedProperty(const QString& name, const QVariant& value) override;
    // AutoSize: the label takes the size of its caption.
    void AdjustSizeToFont() override;
    std::optional<QChar> AccessKey() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QString caption_;
};
